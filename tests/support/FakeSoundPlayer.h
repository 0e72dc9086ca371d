#pragma once
// Records every call that reaches the sound player.
#include "platform/SoundPlayer.h"

#include <QString>
#include <QStringList>

namespace trelon::test {

class FakeSoundPlayer : public SoundPlayer {
public:
    QStringList calls;  // every call: "device N", "play <path>", "stop", "beep"
    QStringList played; // paths given to play()
    int beeps = 0;
    bool refuseDevice = false; // setDeviceType fails
    bool failPlay = false;     // play() cannot start

    bool setDeviceType(SoundDevice device) override {
        calls << QStringLiteral("device %1").arg(static_cast<int>(device));
        return !refuseDevice;
    }
    bool play(const QString& filePath) override {
        calls << QStringLiteral("play ") + filePath;
        played << filePath;
        return !failPlay;
    }
    void stop() override { calls << QStringLiteral("stop"); }
    void beep() override {
        calls << QStringLiteral("beep");
        ++beeps;
    }
};

} // namespace trelon::test
