#include "stimulus/FeedbackSound.h"

#include "common/FileSystem.h"
#include "platform/SoundPlayer.h"
#include "state/SharedState.h"

#include <QFileInfo>

namespace trelon {

void ApplySoundDevice(SoundPlayer& player, int myDeviceType) {
    if (myDeviceType < 1 || myDeviceType > 3) {
        return;
    }
    if (!player.setDeviceType(static_cast<SoundDevice>(myDeviceType))) {
        player.beep();
    }
}

void PlayFeedbackSound(const SharedState& state, SoundPlayer& player, const QString& fileName) {
    if (!state.SoundOn) {
        return;
    }
    const QString path = resolvePath(state.paths.ProgramDir, fileName);
    if (!QFileInfo(path).isFile()) {
        // Opening a missing file still closes the sound before it.
        player.stop();
        player.beep();
        return;
    }
    if (!player.play(path)) {
        player.beep();
    }
}

} // namespace trelon
