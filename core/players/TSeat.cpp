#include "core/players/TSeat.h"

#include <QJsonObject>

QStringList TSeat::CharacterNames() {
    return {QStringLiteral("careful"), QStringLiteral("fighter"), QStringLiteral("advertiser"),
            QStringLiteral("researcher")};
}

QStringList TSeat::StrengthNames() {
    return {QStringLiteral("weak"), QStringLiteral("normal"), QStringLiteral("strong")};
}

QStringList TSeat::CharacterTexts() {
    return {QStringLiteral("Осторожный"), QStringLiteral("Ценовой боец"),
            QStringLiteral("Рекламщик"), QStringLiteral("Исследователь")};
}

QStringList TSeat::StrengthTexts() {
    return {QStringLiteral("Слабый"), QStringLiteral("Средний"), QStringLiteral("Сильный")};
}

std::optional<TSeat> TSeat::FromName(const QString& name) {
    const QStringList parts = name.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return std::nullopt;
    const auto strength = StrengthNames().indexOf(parts[0]);
    const auto character = parts.size() == 2 ? CharacterNames().indexOf(parts[1]) : 0;
    if (strength < 0 || character < 0)
        return std::nullopt;
    TSeat seat;
    seat.Computer = true;
    seat.strength = Strength(strength);
    seat.character = Character(character);
    return seat;
}

QString TSeat::Name() const {
    if (!Computer)
        return QStringLiteral("person");
    return StrengthNames().value(qsizetype(strength)) + QLatin1Char(':') +
           CharacterNames().value(qsizetype(character));
}

QJsonObject TSeat::toJson() const {
    return QJsonObject{{"Computer", Computer},
                       {"Character", std::int32_t(character)},
                       {"Strength", std::int32_t(strength)},
                       {"Seed", QString::number(Seed)},
                       {"RivalAdvertising", double(RivalAdvertising)},
                       {"LastOffer", LastOffer}};
}
