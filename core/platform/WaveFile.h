#pragma once

#include <QString>

// What the header of a RIFF/WAVE file says. Only uncompressed PCM counts as a wave
// file the game can play; anything else is treated as no sound at all.
struct WaveInfo {
    bool valid = false;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;

    qint64 durationMs() const;

    static WaveInfo read(const QString& path);
};
