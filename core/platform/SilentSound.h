#pragma once

#include "core/platform/Sound.h"

#include <QStringList>

// Plays nothing; remembers what it was asked, so tests can count beeps and tunes.
class SilentSound : public Sound {
public:
    void play(const QString& file) override {
        played.append(file);
        playing = file;
    }
    void stop() override { playing.clear(); }
    void playSync(const QString& file) override { played.append(file); }
    void beep() override { ++beeps; }

    QStringList played;
    QString playing;
    int beeps = 0;
};
