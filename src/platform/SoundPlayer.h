#pragma once
// Plays one sound file at a time without blocking, and the system beep.
#include <QString>

namespace trelon {

// The player's device type, from the setting MyDeviceType.
enum class SoundDevice { Automatic = 1, CdAudio = 2, Waveform = 3 };

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Chooses the device type; false when the player refuses it.
    virtual bool setDeviceType(SoundDevice device) = 0;
    // Stops any sound still playing, then starts filePath and returns at once. False when
    // the sound cannot be started (unreadable file, no audio output); failures found later,
    // while the sound plays, give the beep from the player itself.
    virtual bool play(const QString& filePath) = 0;
    // Stops the sound playing now, if any.
    virtual void stop() = 0;
    // The system's standard beep.
    virtual void beep() = 0;
};

} // namespace trelon
