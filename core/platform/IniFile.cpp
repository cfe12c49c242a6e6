#include "core/platform/IniFile.h"

#include "core/platform/TextFile.h"

#include <limits>

namespace {

QString foldName(const QString& name) {
    return name.trimmed().toCaseFolded();
}

// Windows drops one pair of matching quotes around a value.
QString unquote(const QString& value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

IniFile IniFile::fromText(const QString& text) {
    IniFile ini;
    ini.loaded_ = true;
    Keys* current = nullptr;
    bool skipSection = false; // a repeated section: the first one wins
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos <= size) {
        qsizetype end = pos;
        while (end < size && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        const QString line = text.mid(pos, end - pos).trimmed();
        if (end < size && text[end] == QLatin1Char('\r') && end + 1 < size &&
            text[end + 1] == QLatin1Char('\n'))
            ++end;
        pos = end + 1;

        if (line.isEmpty() || line.front() == QLatin1Char(';'))
            continue;
        if (line.front() == QLatin1Char('[')) {
            qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                close = line.size();
            const QString name = foldName(line.mid(1, close - 1));
            skipSection = ini.sections_.contains(name);
            current = skipSection ? nullptr : &ini.sections_[name];
            continue;
        }
        if (!current || skipSection)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = foldName(line.left(eq));
        if (key.isEmpty() || current->contains(key))
            continue;
        current->insert(key, unquote(line.mid(eq + 1).trimmed()));
    }
    return ini;
}

IniFile IniFile::load(const QString& path) {
    bool ok = false;
    const QString text = TextFile::read(path, &ok);
    if (!ok)
        return IniFile();
    return fromText(text);
}

bool IniFile::hasSection(const QString& section) const {
    return sections_.contains(foldName(section));
}

std::optional<QString> IniFile::find(const QString& section, const QString& key) const {
    const auto s = sections_.constFind(foldName(section));
    if (s == sections_.constEnd())
        return std::nullopt;
    const auto k = s->constFind(foldName(key));
    if (k == s->constEnd())
        return std::nullopt;
    return *k;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    return find(section, key).value_or(fallback);
}

std::optional<std::int32_t> IniFile::parseInt(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i + 1 < t.size() && t[i] == QLatin1Char('0') &&
        (t[i + 1] == QLatin1Char('x') || t[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    constexpr long long limit = 1LL << 32;
    long long value = 0;
    bool any = false;
    for (; i < t.size(); ++i) {
        const int digit =
            t[i].isDigit() && t[i].unicode() < 128 ? t[i].unicode() - '0'
            : base == 16 && t[i].toLower() >= QLatin1Char('a') && t[i].toLower() <= QLatin1Char('f')
                ? t[i].toLower().unicode() - 'a' + 10
                : -1;
        if (digit < 0)
            break;
        any = true;
        if (value < limit)
            value = value * base + digit;
    }
    if (!any)
        return std::nullopt;
    if (negative)
        value = -value;
    constexpr long long lo = std::numeric_limits<std::int32_t>::min();
    constexpr long long hi = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(value < lo ? lo : value > hi ? hi : value);
}

std::int32_t IniFile::intValue(const QString& section, const QString& key,
                               std::int32_t fallback) const {
    const auto text = find(section, key);
    if (!text)
        return fallback;
    return parseInt(*text).value_or(fallback);
}
