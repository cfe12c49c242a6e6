#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>

// An INI file read the way Windows reads them: sections and keys match without
// regard to case, the first of duplicate sections or keys wins, ';' starts a
// comment line, blanks around names and values are trimmed, lines may be of any
// length and end in CRLF, LF or CR. Read-only: the game never writes one.
class IniFile {
public:
    IniFile() = default;
    static IniFile fromText(const QString& text);
    // A file that cannot be read gives an empty IniFile with isLoaded() false.
    static IniFile load(const QString& path);

    bool isLoaded() const { return loaded_; }
    bool hasSection(const QString& section) const;

    std::optional<QString> find(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    // A whole number: decimal (leading zeros allowed, a sign allowed) or hexadecimal
    // written "0x..."; read as far as it goes, so "12 weeks" is 12. No digits, or a
    // missing key, gives the fallback; values beyond 32 bits are clamped.
    std::int32_t intValue(const QString& section, const QString& key, std::int32_t fallback) const;

    static std::optional<std::int32_t> parseInt(const QString& text);

private:
    using Keys = QHash<QString, QString>;
    QHash<QString, Keys> sections_;
    bool loaded_ = false;
};
