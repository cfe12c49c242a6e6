#include "core/platform/NumberText.h"

#include "core/platform/Prompter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace NumberText {

QString applicationTitle() {
    return QStringLiteral("Zorvick");
}

namespace {

// Fixed notation with the given decimals, rounding halves away from zero. A value
// whose decimal expansion ends exactly on a 5 one place further is a half.
QString fixed(double value, int decimals) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    // Correctly rounded digits of the exact binary value; far more room than a double needs.
    char text[400];
    char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    char longer[400];
    const char* longerEnd =
        std::to_chars(longer, longer + sizeof longer, value, std::chars_format::fixed, decimals + 1)
            .ptr;
    double readBack = 0;
    if (longerEnd[-1] == '5' && std::from_chars(longer, longerEnd, readBack).ptr == longerEnd &&
        readBack == value) {
        const double scale = std::pow(10.0, decimals);
        const double rounded = std::round(value * scale) / scale; // std::round: away from zero
        end = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, decimals)
                  .ptr;
    }
    const char* begin = text;
    // No "-0" or "-0,00" for a value that rounds to zero.
    if (*begin == '-' && std::all_of(begin + 1, static_cast<const char*>(end),
                                     [](char c) { return c == '0' || c == '.'; }))
        ++begin;
    QString out = QString::fromLatin1(begin, end - begin);
    out.replace(QLatin1Char('.'), QLatin1Char(','));
    return out;
}

QString withComma(QString text) {
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace

QString whole(double value) {
    // Below 2^53 every double rounds to a whole number exactly, and std::llround takes
    // halves away from zero, as the pattern does.
    if (std::fabs(value) < 9007199254740992.0) {
        char text[24];
        const char* end = std::to_chars(text, text + sizeof text, std::llround(value)).ptr;
        return QString::fromLatin1(text, end - text);
    }
    return fixed(value, 0);
}

QString money(double value) {
    return fixed(value, 2);
}

QString shortest(float value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    char buffer[64];
    const float magnitude = std::fabs(value);
    const bool plain = magnitude == 0.0f || (magnitude >= 1e-5f && magnitude < 1e15f);
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    if (!plain) {
        // "1.5e+20" as the general form writes it: "1,5E20".
        text.replace(QLatin1String("e+"), QLatin1String("E"));
        text.replace(QLatin1Char('e'), QLatin1Char('E'));
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return withComma(text);
}

QString fill(const QString& tmpl, std::initializer_list<long long> values) {
    QString out;
    out.reserve(tmpl.size() + 16);
    auto next = values.begin();
    for (qsizetype i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] == QLatin1Char('%') && i + 1 < tmpl.size() && tmpl[i + 1] == QLatin1Char('d') &&
            next != values.end()) {
            out += QString::number(*next++);
            ++i;
        } else {
            out += tmpl[i];
        }
    }
    return out;
}

std::optional<std::int32_t> parseInt(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-'))
        i = 1;
    if (i == t.size())
        return std::nullopt;
    for (qsizetype j = i; j < t.size(); ++j)
        if (t[j].unicode() < '0' || t[j].unicode() > '9')
            return std::nullopt;
    bool ok = false;
    const long long value = t.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(value);
}

std::optional<float> parseFloat(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    // Only plain decimal notation: digits, one separator, an optional exponent.
    qsizetype i = 0;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-'))
        i = 1;
    int digits = 0;
    int separators = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            ++digits;
        } else if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (++separators > 1)
                return std::nullopt;
            t[i] = QLatin1Char('.');
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size()) {
        if (t[i] != QLatin1Char('e') && t[i] != QLatin1Char('E'))
            return std::nullopt;
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        if (i == t.size())
            return std::nullopt;
        for (; i < t.size(); ++i)
            if (t[i].unicode() < '0' || t[i].unicode() > '9')
                return std::nullopt;
    }
    // Only ASCII is left, which from_chars reads without a sign of its own for "+".
    const QByteArray latin = t.toLatin1();
    const char* first = latin.constData();
    const char* last = first + latin.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value) ||
        std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return float(value);
}

std::optional<std::int32_t> readInt(const QString& text, Prompter& prompter) {
    const auto value = parseInt(text);
    if (!value)
        prompter.error(
            QStringLiteral("'%s' is not a valid integer value").replace(QLatin1String("%s"), text) +
                QLatin1Char('.'),
            applicationTitle());
    return value;
}

std::optional<float> readFloat(const QString& text, Prompter& prompter) {
    const auto value = parseFloat(text);
    if (!value)
        prompter.error(QStringLiteral("'%s' is not a valid floating point value")
                               .replace(QLatin1String("%s"), text) +
                           QLatin1Char('.'),
                       applicationTitle());
    return value;
}

} // namespace NumberText
