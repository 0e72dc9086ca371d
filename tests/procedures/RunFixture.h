#pragma once
// A stimulus run on an emulated 200 x 150 screen (StimulusRunFixture) whose scene builds only
// record how the run looked when they were called.
#include "support/StimulusRunFixture.h"

#include <functional>
#include <vector>

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

class RunFixture : public StimulusRunFixture<RecordingRun> {
protected:
    static constexpr int kOtherEntry = 7; // what the screen held before the run

    void SetUp() override {
        openRun(QSize(kScreenWidth, kScreenHeight));
        ASSERT_EQ(primary().fill(kOtherEntry), DisplayResult::Ok);
        run->cursor = &cursor;
    }

    // A new primary surface shown through the palette, holding kOtherEntry.
    void makePrimary() {
        ASSERT_EQ(device()->createPrimarySurface(state.display.PrimarySurface), DisplayResult::Ok);
        state.display.PrimarySurface->attachPalette(state.display.DisplayPalette);
        ASSERT_EQ(state.display.PrimarySurface->fill(kOtherEntry), DisplayResult::Ok);
    }
};

} // namespace trelon::test
