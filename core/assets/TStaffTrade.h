#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class Prompter;
class TGameController;
class TBuilding;

// The rules of the staff window ("Рабочие"): hiring and firing the workers of the
// current enterprise's workshop, which costs nothing now (wages are paid weekly),
// and the two count lines from their constants.txt patterns.
class TStaffTrade {
public:
    static QString CurrentKey() { return QStringLiteral("cCurrentWorkersAmount"); }
    static QString CurrentPattern() { return QStringLiteral("Текущее количество: %s чел."); }
    static QString MaxKey() { return QStringLiteral("cMaxWorkersAmount"); }
    static QString MaxPattern() { return QStringLiteral("Максимальное количество: %s чел."); }

    // Questions, refusals and number errors go to the prompter.
    TStaffTrade(TGameController& controller, Prompter& prompter)
        : controller_(controller), prompter_(prompter) {}

    // The workers employed and the most the machines take; none when the pattern
    // does not fit (its error has been shown, the line keeps its text).
    std::optional<QString> CurrentLine();
    std::optional<QString> MaxLine();

    // Hires or fires the number typed, as many as the workshop takes after its own
    // refusals and questions. False when the text is not a whole number.
    bool Hire(const QString& countText) { return change(1, countText); }
    bool Fire(const QString& countText) { return change(0, countText); }

private:
    bool change(std::uint8_t hireMode, const QString& countText);
    TBuilding* workshop() const;

    TGameController& controller_;
    Prompter& prompter_;
};
