#include "game/TLabelTexts.h"

#include "platform/NumberText.h"
#include "platform/Prompter.h"

TLabelTexts TLabelTexts::Open(const GameFolder& folder) {
    return TLabelTexts(IniFile::load(folder.resolve(FileName())));
}

QString TLabelTexts::LabelText(const QString& key, const QString& builtIn) const {
    return file_.value(Section(), key, builtIn);
}

std::optional<QString> TLabelTexts::LabelText(const QString& key, const QString& builtIn,
                                              double value, Prompter& prompter) const {
    const QString tmpl = LabelText(key, builtIn);
    auto text = Format(tmpl, NumberText::whole(value));
    if (!text)
        prompter.error(FormatError(tmpl), NumberText::applicationTitle());
    return text;
}

std::optional<QString> TLabelTexts::Format(const QString& tmpl, const QString& argument) {
    // The conversions a format string knows besides s; each needs an argument
    // of another kind than the one text given.
    static const QString otherConversions = QStringLiteral("deEfgGnmpuxX");
    QString out;
    out.reserve(tmpl.size() + argument.size());
    bool used = false;
    for (qsizetype i = 0; i < tmpl.size(); ++i) {
        const QChar c = tmpl[i];
        if (c != QLatin1Char('%') || i + 1 == tmpl.size()) {
            out += c;
            continue;
        }
        const QChar next = tmpl[i + 1];
        if (next == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
        } else if (next == QLatin1Char('s') || next == QLatin1Char('S')) {
            if (used)
                return std::nullopt; // only one argument to give
            out += argument;
            used = true;
            ++i;
        } else if (otherConversions.contains(next)) {
            return std::nullopt;
        } else {
            out += c;
        }
    }
    return out;
}

QString TLabelTexts::FormatError(const QString& tmpl) {
    return QStringLiteral("Format '") + tmpl +
           QStringLiteral("' invalid or incompatible with argument.");
}
