#pragma once

#include "core/platform/Sound.h"

#include <QStringList>
#include <functional>

// Plays nothing; remembers what it was asked, so tests can count beeps and tunes.
class SilentSound : public Sound {
public:
    void play(const QString& file) override {
        played.append(file);
        playing = file;
    }
    void stop() override { playing.clear(); }
    void playSync(const QString& file) override {
        played.append(file);
        if (duringSync)
            duringSync(); // what a player does while the sound plays
    }
    void beep() override { ++beeps; }

    std::function<void()> duringSync;
    QStringList played;
    QString playing;
    int beeps = 0;
};
