#pragma once

// The game controller with two firms set up in an empty folder (the default
// economy): "Alpha" of Ann and "Beta" of Bob. The first firm is on the board.
// Rule and window tests build their fixtures on it.

#include "core/game/TGameController.h"
#include "core/model/player.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"

#include <QDate>
#include <QTemporaryDir>
#include <cstdint>

struct TwoFirms {
    explicit TwoFirms(
        ScriptedPrompter::OnUnexpected unexpected = ScriptedPrompter::OnUnexpected::Fail,
        std::uint64_t seed = 3, QDate today = QDate(2026, 12, 8))
        : prompter(unexpected),
          random(seed), services{prompter, sound, help, random, GameFolder(dir.path()), today} {
        controller.StartCalendar();
        controller.BeginSetup(2);
        controller.AddPlayer("Alpha", "Ann", 0);
        controller.AddPlayer("Beta", "Bob", 1);
        controller.FinishSetup();
    }
    TZorvick& company() { return *controller.Company(); }
    TIndustry& industry() { return *controller.Industry(); }
    TBuilding& workshop() { return industry().Buildings[0]; }
    TStorage& raw() { return industry().Storages[0]; }
    TStorage& goods() { return industry().Storages[1]; }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random;
    Services services;
    TGameController controller{services};
};
