#pragma once

#include <QString>

// Sound as the game uses it. Paths are absolute, already resolved in the game folder.
class Sound {
public:
    virtual ~Sound() = default;
    // Starts a wave file and returns at once; a new call replaces what is playing.
    virtual void play(const QString& file) = 0;
    virtual void stop() = 0;
    // Plays a wave file to its end before returning. The user interface keeps
    // answering meanwhile (the caller guards against its own re-entry), and stop()
    // ends the sound early.
    virtual void playSync(const QString& file) = 0;
    // The system's plain message beep.
    virtual void beep() = 0;
};
