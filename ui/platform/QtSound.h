#pragma once

#include "core/platform/Sound.h"

#include <memory>

class QEventLoop;
class QSoundEffect;

// Wave files through QSoundEffect, which stays quiet and well-behaved on a machine
// without an audio device. Files that are missing or not PCM wave files play as silence.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;

    void play(const QString& file) override;
    void stop() override;
    // Returns when the file has played, or at the latest after its length plus a short margin.
    void playSync(const QString& file) override;
    void beep() override;

    // Time allowed beyond the file's length before a synchronous play gives up.
    static constexpr int SyncMarginMs = 500;

private:
    std::unique_ptr<QSoundEffect> effect_;
    QEventLoop* syncLoop_ = nullptr; // the wait of a synchronous play, while one runs
};
