#include "stimulus/StartingColours.h"

#include "state/SharedState.h"
#include "stimulus/PaletteRoutines.h"

#include <algorithm>

namespace trelon {

void ApplyStartingColours(SharedState& state) {
    Settings& settings = state.settings;
    // The glasses radio buttons: red-blue for 0, red-green for any other value.
    settings.GlassesType =
        settings.GlassesType == GlassesRedBlue ? GlassesRedBlue : GlassesRedGreen;
    const int level = std::min(settings.Contrast, 3);
    if (level >= 1) {
        SelectRoleColours(state.roles, settings, level, settings.GlassesType);
        state.ContrastLevel = level;
    }
    if (state.display.DisplayPalette) {
        ApplyWorkingPalette(*state.display.DisplayPalette, state.roles, state.PaletteShift);
    }
    state.SavedColors = state.roles;
}

} // namespace trelon
