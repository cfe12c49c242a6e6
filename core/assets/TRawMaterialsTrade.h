#pragma once

#include <QString>
#include <optional>

class Prompter;
class TGameController;
class TStorage;

// The rules of the raw materials window ("Сырье"): buying units into the raw
// storage of the current enterprise at 20 $ a unit, paid at once and never sold
// back, and the window's texts.
class TRawMaterialsTrade {
public:
    static constexpr float UnitPrice = 20;
    static constexpr std::int32_t UnitsPerM2 = 100;

    static QString CurrentKey() { return QStringLiteral("cCurrentRawMaterialsAmount"); }
    static QString CurrentPattern() { return QStringLiteral("Текущее количество: %s ед."); }
    static QString MaxKey() { return QStringLiteral("cMaxRawMaterialsAmount"); }
    static QString MaxPattern() { return QStringLiteral("Максимальное количество: %s ед."); }

    // Questions, refusals and number errors go to the prompter.
    TRawMaterialsTrade(TGameController& controller, Prompter& prompter)
        : controller_(controller), prompter_(prompter) {}

    // Units stored and units the storage holds; none when the pattern does not fit.
    std::optional<QString> CurrentLine();
    std::optional<QString> MaxLine();
    // "X 20,00$ = 2000$"; none when the text is not a number (the error has been shown).
    std::optional<QString> TotalLine(const QString& amountText) const;

    // Buys the units typed. True when bought and paid: the lines are written again
    // and the edit goes back to "0"; false leaves the window as it was.
    bool Buy(const QString& amountText);

private:
    TStorage* rawStorage() const;

    TGameController& controller_;
    Prompter& prompter_;
};
