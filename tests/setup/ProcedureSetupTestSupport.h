#pragma once
// A set-up screen core on a 1024 x 768 display with the base palette and the generated
// pictures of the program folder, scripted dialogs and a fresh shared state.
#include "display/DisplayDevice.h"
#include "setup/ProcedureSetup.h"
#include "state/SharedState.h"
#include "state/SharedTexts.h"
#include "stimulus/DisplaySetup.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace trelon::test {

inline constexpr QSize kSetupScreen(1024, 768);

// isDiagnostics, procedure number of each procedure.
inline std::pair<int, int> procedureKind(ProcedureKind procedure) {
    const int index = static_cast<int>(procedure) - static_cast<int>(ProcedureKind::DiagCvetotest);
    return {index < 4 ? 1 : 0, index % 4 + 1};
}

class ProcedureSetupFixture : public ::testing::Test {
protected:
    void SetUp() override {
        state.paths.ProgramDir = QStringLiteral(TRELON_PROGRAM_DIR "/");
        SetSharedTexts(state.texts);
        ASSERT_TRUE(StartDisplay(state.display, state.roles, state.PaletteShift,
                                 state.paths.ProgramDir, kSetupScreen)
                        .ok);
        setup = std::make_unique<ProcedureSetup>(state, dialogs);
        setup->layOut(kSetupScreen);
    }

    // Opens the screen for a procedure, as the main window's button does.
    void open(ProcedureKind procedure, const QString& surname = QStringLiteral("Иванов")) {
        const auto [diagnostics, number] = procedureKind(procedure);
        state.session.IsDiagnostics = static_cast<std::uint8_t>(diagnostics);
        state.session.ProcedureNumber = static_cast<std::uint16_t>(number);
        boxes = {surname, QStringLiteral("7")};
        setup->activate(boxes);
    }

    const SetupControlState& control(SetupControl id) const { return setup->control(id); }
    QRect rect(SetupControl id) const { return control(id).rect; }
    bool shows(SetupControl id) const { return control(id).visible; }

    // The radio groups that show.
    std::set<SetupControl> shownGroups() const {
        std::set<SetupControl> shown;
        for (const SetupControlDesign& design : setupControlDesigns()) {
            if (design.kind == SetupControlKind::RadioGroup && shows(design.id)) {
                shown.insert(design.id);
            }
        }
        return shown;
    }

    SharedState state;
    FakeDialogs dialogs;
    std::unique_ptr<ProcedureSetup> setup;
    PatientBoxes boxes;
};

} // namespace trelon::test
