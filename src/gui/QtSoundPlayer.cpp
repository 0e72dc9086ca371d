#include "gui/QtSoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace trelon {

bool soundOutputAvailable() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

QtSoundPlayer::QtSoundPlayer(QObject* parent)
    : QObject(parent), effect_(std::make_unique<QSoundEffect>()) {
    connect(effect_.get(), &QSoundEffect::statusChanged, this, &QtSoundPlayer::statusChanged);
}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::setDeviceType(SoundDevice device) {
    device_ = device == SoundDevice::CdAudio ? SoundDevice::Automatic : device;
    return true;
}

bool QtSoundPlayer::play(const QString& filePath) {
    effect_->stop();
    if (!QFileInfo(filePath).isFile() || !soundOutputAvailable()) {
        return false;
    }
    // Loading happens in the background; a sound not yet loaded starts when it is.
    effect_->setSource(QUrl::fromLocalFile(filePath));
    if (effect_->status() == QSoundEffect::Error) {
        return false; // the same unplayable file again: no new load, no new error signal
    }
    effect_->play();
    return true;
}

void QtSoundPlayer::stop() {
    effect_->stop();
}

void QtSoundPlayer::beep() {
    QApplication::beep();
}

// A file that turns out not to be a playable wave file is reported here, after play()
// returned; the run goes on after the beep.
void QtSoundPlayer::statusChanged() {
    if (effect_->status() == QSoundEffect::Error) {
        beep();
    }
}

} // namespace trelon
