#pragma once

#include <QString>
#include <cstdint>

class TGameController;
class TBuilding;

// The rules of the upgrade window ("Улучшить"): the current enterprise's workshop
// rises one level at a time, 1 to 3, for 100000 $ a step.
class TWorkshopUpgrade {
public:
    static constexpr float StepPrice = 100000;
    static constexpr std::int32_t TopLevel = 3;

    explicit TWorkshopUpgrade(TGameController& controller) : controller_(controller) {}

    std::int32_t Level() const;
    // The upgrade is offered below the top level.
    bool Offered() const { return Level() != TopLevel; }
    // "Уровень: 2"
    QString LevelLine() const;

    // Pays and raises the level; when the money does not suffice the level stays.
    // Either way the board shows the picture of the level again.
    void Upgrade();

private:
    TBuilding* workshop() const;

    TGameController& controller_;
};
