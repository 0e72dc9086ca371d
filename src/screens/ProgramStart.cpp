#include "screens/ProgramStart.h"

#include "config/LoadSettings.h"
#include "config/UserFiles.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"
#include "state/SharedTexts.h"
#include "stimulus/DisplaySetup.h"

#include <QDir>
#include <QFileInfo>

namespace trelon {

namespace {

// An installed program's folder cannot be written: the settings the screens store go to the
// user's own file, which the operator is told once (the file is made then, empty).
void tellWhereSettingsGo(const QString& programDir, Dialogs& dialogs) {
    const QString userFile = userSettingsFilePath();
    if (!programSettingsReadOnly(programDir) || QFileInfo::exists(userFile)) {
        return;
    }
    if (!QDir().mkpath(userConfigDir()) ||
        !writeFileAtomically(userFile, QByteArrayLiteral("[Default]\r\n")).ok()) {
        return; // storing will report the file it cannot write
    }
    dialogs.information(QStringLiteral("Папку программы %1 нельзя записать: настройки, которые "
                                       "вы запишете, будут сохранены в файле %2.")
                            .arg(QDir::toNativeSeparators(programDir), userFile));
}

} // namespace

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
    tellWhereSettingsGo(state.paths.ProgramDir, dialogs);
    SetSharedTexts(state.texts);
    state.indices = PaletteIndices{};
    state.PaletteShift = 0;
    return true;
}

} // namespace trelon
