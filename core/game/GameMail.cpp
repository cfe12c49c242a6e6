#include "core/game/GameMail.h"

#include "core/model/player.h"

namespace GameMail {

QString MailDomain() {
    return QStringLiteral("sportprom.zv");
}

QString Address(const QString& user) {
    return user + QLatin1Char('@') + MailDomain();
}

QString DesignGroupAddress() {
    static const QString address = Address(QStringLiteral("design"));
    return address;
}

QString AdvertisingAgencyAddress() {
    static const QString address = Address(QStringLiteral("reklama"));
    return address;
}

QString BankruptcyAddress() {
    static const QString address = Address(QStringLiteral("arbitrazh"));
    return address;
}

QString GovernmentAddress() {
    static const QString address = Address(QStringLiteral("pravitelstvo"));
    return address;
}

QString ResearchGroupAddress() {
    static const QString address = Address(QStringLiteral("niokr"));
    return address;
}

void NoDesignLetter(TZorvick& player, const QString& date) {
    player.PostLetter(
        DesignGroupAddress(), QStringLiteral("Дизайнерская группа"),
        QStringLiteral(
            "Вы ничего не вкладываете в улучшение дизайна Вашей продукции. Это может плохо сказаться на спросе на нее..."),
        date);
}

void DesignFundsLetter(TZorvick& player, const QString& date) {
    player.PostLetter(DesignGroupAddress(), QStringLiteral("Дизайнерская группа"),
                      QStringLiteral("У нас закончились деньги. Не могли бы Вы вложить еще?"),
                      date);
}

void NoAdvertisingLetter(TZorvick& player, const QString& date) {
    player.PostLetter(
        AdvertisingAgencyAddress(), QStringLiteral("Рекламное Агенство"),
        QStringLiteral(
            "Вы совсем ничего не вкладываете в рекламу. Это может плачевно сказаться на вашем бизнесе..."),
        date);
}

void BankruptcyWarningLetter(TZorvick& player, std::int32_t weeksLeft, const QString& date) {
    player.PostLetter(
        BankruptcyAddress(), QStringLiteral("Предупреждение о банкротстве"),
        QStringLiteral(
            "У Вас закончились денежные активы. Возьмите кредит или продайте часть оборудования. Для решения проблемы у Вас осталось ") +
            QString::number(weeksLeft) +
            (weeksLeft == 1 ? QStringLiteral(" неделя.") : QStringLiteral(" недели.")),
        date);
}

void RuinLetter(TZorvick& player, const QString& date) {
    const QString tail = player.Debt > 0
                             ? QStringLiteral("К тому же вас разыскивает полиция.")
                             : QStringLiteral("Вы еще легко отделались. Могло быть и хуже...");
    player.PostLetter(
        BankruptcyAddress(), QStringLiteral("ВЫ РАЗОРЕНЫ!!!"),
        QStringLiteral("Вы не справились со своими обязаннастями и разорили Ваше предприятие. ") +
            tail,
        date);
}

void OutOfBusinessWarningLetter(TZorvick& player, std::int32_t weeksLeft, const QString& date) {
    player.PostLetter(
        GovernmentAddress(), QStringLiteral("Предупреждение о закрытии"),
        QStringLiteral(
            "Ваше предприятие ничего не производит: у Вас нет ни одного рабочего места и ни одного костюма на складе. Купите оборудование, иначе фирма будет закрыта. Для решения проблемы у Вас ") +
            (weeksLeft == 1 ? QStringLiteral("осталась 1 неделя.")
                            : QStringLiteral("осталось ") + QString::number(weeksLeft) +
                                  QStringLiteral(" недели.")),
        date);
}

void CountryLetter(TZorvick& player, const QString& countryMessage, const QString& date) {
    if (countryMessage.isEmpty() || countryMessage == QStringLiteral("Ошибка"))
        return;
    player.PostLetter(GovernmentAddress(), QStringLiteral("Ситуация в Стране"), countryMessage,
                      date);
}

} // namespace GameMail
