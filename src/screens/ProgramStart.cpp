#include "screens/ProgramStart.h"

#include "config/LoadSettings.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"
#include "state/SharedTexts.h"
#include "stimulus/DisplaySetup.h"

namespace trelon {

bool startProgram(SharedState& state, Dialogs& dialogs, QSize screenSize,
                  const DisplayFailures& forced) {
    const DisplayStartResult display = StartDisplay(state.display, state.roles, state.PaletteShift,
                                                    state.paths.ProgramDir, screenSize, forced);
    if (!display.ok) {
        if (!display.message.isEmpty()) {
            dialogs.information(display.message);
        }
        return false;
    }
    const SettingsLoadResult settings = LoadSettings(state.settings, state.paths.ProgramDir);
    if (!settings.error.isEmpty()) {
        dialogs.information(settings.error);
    }
    SetSharedTexts(state.texts);
    state.indices = PaletteIndices{};
    state.PaletteShift = 0;
    return true;
}

} // namespace trelon
