#pragma once
// Sound feedback of the procedures.
#include <QString>

namespace trelon {

class SoundPlayer;
struct SharedState;

// Applies the setting MyDeviceType: 1 automatic choice, 2 CD audio, 3 waveform audio; any
// other value leaves the player's default. A device type the player refuses gives the beep.
void ApplySoundDevice(SoundPlayer& player, int myDeviceType);

// Plays fileName (a name in the program folder, letter case ignored) when sound is on and
// returns at once; a new sound cuts off the previous one. While sound is off nothing at all
// reaches the player. A missing file or a player that cannot start gives the beep instead;
// either way the caller goes on.
void PlayFeedbackSound(const SharedState& state, SoundPlayer& player, const QString& fileName);

} // namespace trelon
