#pragma once

#include "core/platform/GameFolder.h"
#include "core/platform/IniFile.h"

#include <QString>
#include <optional>

class Prompter;

// The label texts of constants.txt, section Constants, opened once for the run.
// The built-in text belongs to the call site: a missing file or key gives it back.
class TLabelTexts {
public:
    TLabelTexts() = default; // no file: every lookup gives the built-in text
    explicit TLabelTexts(IniFile file) : file_(std::move(file)) {}
    static TLabelTexts Open(const GameFolder& folder);

    bool isLoaded() const { return file_.isLoaded(); }

    // A caption: the text as written, placeholders included.
    QString LabelText(const QString& key, const QString& builtIn) const;
    // A template filled with the value formatted "0". A placeholder that takes no
    // string shows the format error (titled with the application title) and gives
    // nothing, so the label keeps its text.
    std::optional<QString> LabelText(const QString& key, const QString& builtIn, double value,
                                     Prompter& prompter) const;
    // The same with the value already written (a figure shown with its decimals).
    std::optional<QString> LabelText(const QString& key, const QString& builtIn,
                                     const QString& value, Prompter& prompter) const;

    // "%s" takes the argument (once), "%%" gives "%", a conversion letter other
    // than s fails; any other "%" is kept as written.
    static std::optional<QString> Format(const QString& tmpl, const QString& argument);
    static QString FormatError(const QString& tmpl);

    static QString Section() { return QStringLiteral("Constants"); }
    static QString FileName() { return QStringLiteral("constants.txt"); }

private:
    IniFile file_;
};
