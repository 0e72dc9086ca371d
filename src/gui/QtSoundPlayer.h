#pragma once
// Sound files played with QSoundEffect.
//
// The program's sounds are short uncompressed wave files played as feedback. QSoundEffect
// is Qt's player made for exactly that: it decodes wave files itself (no media back end or
// codec plug-ins needed), starts with little delay and never blocks the caller. One effect
// object is reused, so a new sound stops the previous one.
//
// Device types: Qt offers no choice of media device beyond the audio output, and all the
// sounds are wave files, so automatic choice (1) and waveform audio (3) both play through
// this player. Qt has no CD audio device; CD audio (2) is treated as automatic choice.
#include "platform/SoundPlayer.h"

#include <QObject>
#include <memory>

class QSoundEffect;

namespace trelon {

// True when the system offers an audio output (a running sound server with a device).
bool soundOutputAvailable();

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    bool setDeviceType(SoundDevice device) override;
    SoundDevice deviceType() const { return device_; }
    bool play(const QString& filePath) override;
    void stop() override;
    void beep() override;

private:
    void statusChanged();

    std::unique_ptr<QSoundEffect> effect_;
    SoundDevice device_ = SoundDevice::Automatic;
};

} // namespace trelon
