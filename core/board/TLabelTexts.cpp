#include "core/board/TLabelTexts.h"

#include "core/platform/NumberText.h"
#include "core/platform/Prompter.h"

TLabelTexts TLabelTexts::Open(const GameFolder& folder) {
    return TLabelTexts(IniFile::load(folder.resolve(FileName())));
}

QString TLabelTexts::LabelText(const QString& key, const QString& builtIn) const {
    return file_.value(Section(), key, builtIn);
}

std::optional<QString> TLabelTexts::LabelText(const QString& key, const QString& builtIn,
                                              double value, Prompter& prompter) const {
    return LabelText(key, builtIn, NumberText::whole(value), prompter);
}

std::optional<QString> TLabelTexts::LabelText(const QString& key, const QString& builtIn,
                                              const QString& value, Prompter& prompter) const {
    const QString tmpl = LabelText(key, builtIn);
    auto text = Format(tmpl, value);
    if (!text)
        prompter.error(FormatError(tmpl), NumberText::applicationTitle());
    return text;
}

std::optional<QString> TLabelTexts::Format(const QString& tmpl, const QString& argument) {
    auto isAsciiLetter = [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    };
    auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    QString out;
    out.reserve(tmpl.size() + argument.size());
    bool used = false;
    for (qsizetype i = 0; i < tmpl.size(); ++i) {
        const QChar c = tmpl[i];
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (i + 1 < tmpl.size() && tmpl[i + 1] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        // A conversion: flags, width and precision, then a letter. Only a bare "%s"
        // takes the one text argument; every other conversion wants another kind.
        qsizetype j = i + 1;
        while (j < tmpl.size() && QStringLiteral("-+ #0").contains(tmpl[j]))
            ++j;
        while (j < tmpl.size() && (isDigit(tmpl[j]) || tmpl[j] == QLatin1Char('*')))
            ++j;
        if (j < tmpl.size() && tmpl[j] == QLatin1Char('.')) {
            ++j;
            while (j < tmpl.size() && (isDigit(tmpl[j]) || tmpl[j] == QLatin1Char('*')))
                ++j;
        }
        if (j == tmpl.size() || !isAsciiLetter(tmpl[j])) {
            out += c; // no conversion: the "%" stays as written
            continue;
        }
        if (j != i + 1 || tmpl[j] != QLatin1Char('s') || used)
            return std::nullopt;
        out += argument;
        used = true;
        i = j;
    }
    return out;
}

QString TLabelTexts::FormatError(const QString& tmpl) {
    return QStringLiteral("Format '") + tmpl +
           QStringLiteral("' invalid or incompatible with argument.");
}
