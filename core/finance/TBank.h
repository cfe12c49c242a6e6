#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class Prompter;
class TGameController;
class TIndustry;

// The rules of the bank window ("Банк"): the credit limit worked out from the
// resale value of the enterprise, borrowing up to it and repaying, and the three
// lines of the window from their constants.txt templates. Interest is charged by
// the week's settlement, not here.
class TBank {
public:
    static QString DebtKey() { return QStringLiteral("cCurrentDebt"); }
    static QString DebtPattern() { return QStringLiteral("Долг: %s $."); }
    static QString LimitKey() { return QStringLiteral("cMaxLoan"); }
    static QString LimitPattern() { return QStringLiteral("Максимальный кредит: %s $."); }
    static QString InterestKey() { return QStringLiteral("cBankInterest"); }
    static QString InterestPattern() { return QStringLiteral("Текущий процент: %s %."); }

    // What the bank counts of the enterprise: 65 % of each machine's price, 100 $ a
    // m2 of workshop, 10 $ a m2 of land built on, 50 $ a m2 of each storage.
    static constexpr double WorkPlaceShare = 0.65;
    static constexpr std::int32_t BuildingRate = 100;
    static constexpr std::int32_t UsedLandRate = 10;
    static constexpr std::int32_t StorageRate = 50;
    static float CreditLimit(const TIndustry& industry);

    // Number errors and the money refusal go to the prompter.
    TBank(TGameController& controller, Prompter& prompter)
        : controller_(controller), prompter_(prompter) {}

    // The window opens: the limit of the current player's enterprise, kept until
    // the next opening.
    void Opening();
    float Limit() const { return limit_; }

    // The lines; none when a template does not fit (its error has been shown and
    // the line keeps its text).
    std::optional<QString> DebtLine();
    std::optional<QString> LimitLine();
    std::optional<QString> InterestLine();

    // "Взять": lends the amount typed, cut to what the limit allows; nothing when
    // the debt has reached the limit. False when the text is not a number (nothing
    // changes); true otherwise: the debt line is written again and the edit emptied.
    bool Take(const QString& amountText);
    // "Отдать": repays the amount typed; an amount above the debt or the money is
    // ignored. Repaying exactly the debt of the last operation clears it. False when
    // the text is not a number; true otherwise, as for Take.
    bool Give(const QString& amountText);

private:
    TGameController& controller_;
    Prompter& prompter_;
    float limit_ = 0;
};
