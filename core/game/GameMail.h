#pragma once

#include <QString>
#include <cstdint>

class TZorvick;

// The letters the game writes to the players, and the mail addresses of the
// game world they come from.
namespace GameMail {

// The one mail domain of the game world: senders' addresses and mailbox captions.
QString MailDomain();                 // "sportprom.zv"
QString Address(const QString& user); // user + "@" + the domain

QString DesignGroupAddress();
QString AdvertisingAgencyAddress();
QString BankruptcyAddress();
QString GovernmentAddress();
QString ResearchGroupAddress(); // the research window's letters

// The turn engine's six letters, dated with the calendar's DateText.
void NoDesignLetter(TZorvick& player, const QString& date);
void DesignFundsLetter(TZorvick& player, const QString& date);
void NoAdvertisingLetter(TZorvick& player, const QString& date);
// weeksLeft: 3, 2 or 1.
void BankruptcyWarningLetter(TZorvick& player, std::int32_t weeksLeft, const QString& date);
void RuinLetter(TZorvick& player, const QString& date);
// A firm with no machine and no suit in stock: the government's warning; weeksLeft 3, 2 or 1.
void OutOfBusinessWarningLetter(TZorvick& player, std::int32_t weeksLeft, const QString& date);
// Nothing is sent for an empty message or "Ошибка" (the scenario's "no message").
void CountryLetter(TZorvick& player, const QString& countryMessage, const QString& date);

} // namespace GameMail
