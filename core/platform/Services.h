#pragma once

#include "core/platform/GameFolder.h"

#include <QDate>

class Prompter;
class Sound;
class Help;
class RandomSource;

// What the game takes from outside, handed to it explicitly at start: the
// windows get the Qt implementations, tests and the script driver their own.
struct Services {
    Prompter& prompter;
    Sound& sound;
    Help& help;
    RandomSource& random;
    GameFolder folder;
    QDate today;
};
