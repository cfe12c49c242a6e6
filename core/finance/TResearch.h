#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class Prompter;
class TGameController;

// The rules of the research window ("Исследование"): payments into the development
// of better machines, at most one a move and 100000 $ each, every 300000 $ a stage
// that raises the technology level and brings the research group's letter; and the
// design contract of the "НИОКР" page, which the week's engine runs for three weeks.
class TResearch {
public:
    static constexpr float StageCost = 300000;
    static constexpr std::int32_t LargestPayment = 100000;
    static QString Subject() { return QStringLiteral("НИОКР"); }

    // The letter of a completed stage: the machine of the next level by the level
    // before the stage, with the money returned (whole dollars) when any was.
    static QString StageLetter(std::int32_t levelBefore, std::optional<double> returned);

    // Number errors and the money refusal go to the prompter.
    TResearch(TGameController& controller, Prompter& prompter)
        : controller_(controller), prompter_(prompter) {}

    // "Текущие вложения: 200000$"
    QString InvestmentLine() const;
    static QString InvestmentLine(double invested);

    // A payment typed at or above the largest is replaced by the largest.
    static std::optional<QString> AmountReplacement(const QString& amountText);

    // "Вложить" on the research page. None when the text is not a number (its error
    // has been shown; nothing changes). Otherwise the investment line to show, which
    // reads 300000 when the payment completed a stage; a payment made shuts the
    // button until the move ends.
    std::optional<QString> Invest(const QString& amountText);

    // "Вложить" on the design page: the contract is paid and the page shut until the
    // week's engine ends the contract. False when the text is not a number (nothing
    // changes); true otherwise, paid or not.
    bool PayDesign(const QString& amountText);

    // The close button: the advertising edit is emptied.
    void Closing();

private:
    TGameController& controller_;
    Prompter& prompter_;
};
