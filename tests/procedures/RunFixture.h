#pragma once
// A stimulus run on an emulated 200 x 150 screen with fake timers, clock, cursor, sound and
// dialogs. The palette holds the four role colours at entries 21..24 and distinct greys
// elsewhere, so every colour word lands on one known entry.
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"
#include "stimulus/PaletteRoutines.h"
#include "support/DisplayTestSupport.h"
#include "support/FakeSeams.h"
#include "support/FakeStimulusHost.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace trelon::test {

inline constexpr int kScreenWidth = 200;
inline constexpr int kScreenHeight = 150;

// A run whose scene builder only records what the run looked like when it was called, and
// runs an optional action of the test.
class RecordingRun : public StimulusRun {
public:
    using StimulusRun::StimulusRun;

    struct SceneCall {
        std::int16_t stepNo = 0;
        bool cursorVisible = true;
        bool timerMActive = false;
        bool primaryAllFon = false;
    };
    std::vector<SceneCall> sceneCalls;
    std::function<void()> sceneAction;
    const FakeCursor* cursor = nullptr;

protected:
    void BuildScene() override {
        SceneCall call;
        call.stepNo = state().run.StepNo;
        call.cursorVisible = cursor != nullptr && cursor->visible;
        call.timerMActive = TimerM().isActive();
        const auto& screen = state().display.PrimarySurface;
        call.primaryAllFon = screen && entriesOn(*screen) == QSet<int>{state().indices.IndexFon};
        sceneCalls.push_back(call);
        if (sceneAction) {
            sceneAction();
        }
    }
};

class RunFixture : public ::testing::Test, protected FakeSeams {
protected:
    static constexpr ColourWord kBlueRole = colourWord(20, 40, 230);
    static constexpr ColourWord kRedRole = colourWord(230, 40, 20);
    static constexpr ColourWord kFonRole = colourWord(40, 130, 70);
    static constexpr ColourWord kAllRole = colourWord(250, 230, 90);
    static constexpr int kOtherEntry = 7; // what the screen held before the run

    void SetUp() override {
        state.display.DisplayDevice = makeDevice(QSize(kScreenWidth, kScreenHeight));
        state.display.DisplayPalette = makePalette(*device(), greyTable());
        state.roles = {kBlueRole, kRedRole, kFonRole, kAllRole};
        ApplyWorkingPalette(*state.display.DisplayPalette, state.roles, 0);
        makePrimary();
        run = std::make_unique<RecordingRun>(state, seams, host);
        run->cursor = &cursor;
    }

    DisplayDevice* device() { return state.display.DisplayDevice.get(); }

    void makePrimary() {
        ASSERT_EQ(device()->createPrimarySurface(state.display.PrimarySurface), DisplayResult::Ok);
        state.display.PrimarySurface->attachPalette(state.display.DisplayPalette);
        ASSERT_EQ(state.display.PrimarySurface->fill(kOtherEntry), DisplayResult::Ok);
    }

    Surface& primary() { return *state.display.PrimarySurface; }

    void selectProcedure(int isDiagnostics, int number) {
        state.session.IsDiagnostics = static_cast<std::uint8_t>(isDiagnostics);
        state.session.ProcedureNumber = static_cast<std::uint16_t>(number);
    }

    SharedState state;
    FakeStimulusHost host;
    std::unique_ptr<RecordingRun> run;
};

} // namespace trelon::test
