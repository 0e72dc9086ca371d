// Creation, activation, closing and loss of focus of the stimulus run, and its timers.
#include "RunFixture.h"

namespace trelon::test {
namespace {

class StimulusLifecycleTest : public RunFixture {};

TEST_F(StimulusLifecycleTest, CreationSetsPaletteEntriesTimerAndSoundDevice) {
    state.indices = {1, 2, 3, 4, 30, 5, 6, 7, 8};
    state.settings.TimeShowRezult = 7000;
    state.settings.MyDeviceType = 3;
    RecordingRun created(state, seams, host, makeTestedProcedure);

    const PaletteIndices& indices = state.indices;
    EXPECT_EQ(indices.IndexBlue, 21);
    EXPECT_EQ(indices.IndexRed, 22);
    EXPECT_EQ(indices.IndexFon, 23);
    EXPECT_EQ(indices.IndexAll, 24);
    EXPECT_EQ(indices.PictureBlack, 0);
    EXPECT_EQ(indices.PictureRed, 249);
    EXPECT_EQ(indices.PictureBlue, 252);
    EXPECT_EQ(indices.PictureWhite, 255);
    EXPECT_EQ(created.Timer1().interval(), 7000);
    EXPECT_FALSE(created.Timer1().isActive());
    EXPECT_EQ(created.TimerM().interval(), 2000);
    EXPECT_EQ(created.TimerMove().interval(), 100);
    EXPECT_FALSE(created.TimerM().isActive() || created.Timer2().isActive() ||
                 created.TimerMove().isActive());
    EXPECT_EQ(sound.calls.last(), QStringLiteral("device 3"));
}

struct ActivationCase {
    const char* name;
    int isDiagnostics;
    int number;
    bool stepSetToOne;
    bool cursorHidden;
};

class ActivationTest : public RunFixture, public ::testing::WithParamInterface<ActivationCase> {};

TEST_P(ActivationTest, ClearsTheScreenSetsStartValuesAndBuildsTheScene) {
    const ActivationCase& c = GetParam();
    selectProcedure(c.isDiagnostics, c.number);
    RunState& runState = state.run;
    state.SessionAborted = true;
    runState.TimeBoxActive = runState.ResultShown = runState.VerticalPhase = true;
    runState.SkipFirstMove = true;
    runState.FlickerOn = runState.SwingIn = false;
    runState.SwingInTravel = runState.SwingOutTravel = 12;
    runState.StepNo = 7;
    state.settings.TimeShowRezult = 3000;
    state.session.TimerMInterval = 15000;
    run->TimerM().start();

    run->FormActivate();

    ASSERT_EQ(run->sceneCalls.size(), 1u);
    const RecordingRun::SceneCall& scene = run->sceneCalls.front();
    EXPECT_TRUE(scene.primaryAllFon) << "the scene starts on plain background";
    EXPECT_FALSE(scene.timerMActive);
    EXPECT_EQ(scene.stepNo, c.stepSetToOne ? 1 : 7);
    EXPECT_EQ(scene.cursorVisible, !c.cursorHidden);
    EXPECT_EQ(cursor.calls.count(QStringLiteral("hide")), c.cursorHidden ? 1 : 0);
    EXPECT_EQ(cursor.calls.first(), QStringLiteral("program"));

    EXPECT_FALSE(state.SessionAborted);
    EXPECT_FALSE(runState.TimeBoxActive || runState.ResultShown || runState.VerticalPhase ||
                 runState.SkipFirstMove);
    EXPECT_TRUE(runState.FlickerOn && runState.SwingIn);
    EXPECT_EQ(runState.SwingInTravel, 0);
    EXPECT_EQ(runState.SwingOutTravel, 0);
    EXPECT_EQ(run->Timer1().interval(), 3000);
    EXPECT_EQ(run->TimerM().interval(), 15000);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(host.closeRequests, 0);
}

INSTANTIATE_TEST_SUITE_P(EightProcedures, ActivationTest,
                         ::testing::Values(ActivationCase{"DiagCvetotest", 1, 1, false, false},
                                           ActivationCase{"DiagKosogl", 1, 2, false, false},
                                           ActivationCase{"DiagScotoma", 1, 3, true, false},
                                           ActivationCase{"DiagFuzia", 1, 4, false, true},
                                           ActivationCase{"TrenScotoma", 0, 1, true, false},
                                           ActivationCase{"TrenKosogl", 0, 2, false, false},
                                           ActivationCase{"TrenBifics", 0, 3, false, true},
                                           ActivationCase{"TrenCvetotest", 0, 4, false, true}),
                         [](const ::testing::TestParamInfo<ActivationCase>& param) {
                             return param.param.name;
                         });

TEST_F(StimulusLifecycleTest, FlickerClockStartedByTheSceneRunsExceptForTrenKosogl) {
    run->sceneAction = [this] {
        run->TimerM().setInterval(100);
        run->TimerM().start();
    };
    selectProcedure(0, 1); // TrenScotoma keeps its flicker clock
    run->FormActivate();
    EXPECT_TRUE(run->TimerM().isActive());

    selectProcedure(0, 2); // TrenKosogl starts it only when a figure is picked
    run->FormActivate();
    EXPECT_FALSE(run->TimerM().isActive());
}

TEST_F(StimulusLifecycleTest, ActivationWithoutPrimaryMakesOneShownThroughThePalette) {
    state.display.PrimarySurface.reset();
    selectProcedure(1, 1);
    run->FormActivate();
    ASSERT_TRUE(state.display.PrimarySurface);
    EXPECT_EQ(primary().attachedPalette(), state.display.DisplayPalette);
    EXPECT_EQ(entriesOn(primary()), QSet<int>{23});
    EXPECT_TRUE(run->sceneCalls.front().primaryAllFon);
}

TEST_F(StimulusLifecycleTest, NoProcedureSelectedBuildsNothing) {
    selectProcedure(1, 0);
    run->FormActivate();
    EXPECT_TRUE(run->sceneCalls.empty());
    EXPECT_EQ(entriesOn(primary()), QSet<int>{23});
}

TEST_F(StimulusLifecycleTest, ClosingStopsTimersAndReleasesSurfacesButKeepsThePalette) {
    selectProcedure(1, 3);
    run->FormActivate();
    state.display.SceneSurface = makeSurface(*device(), 10, 10);
    state.display.AuxSurface = makeSurface(*device(), 10, 10);
    for (Timer* timer : {&run->Timer1(), &run->TimerM(), &run->Timer2(), &run->TimerMove()}) {
        timer->start();
    }
    cursor.calls.clear();

    run->FormClose();

    EXPECT_FALSE(run->Timer1().isActive() || run->TimerM().isActive() || run->Timer2().isActive() ||
                 run->TimerMove().isActive());
    EXPECT_FALSE(state.display.PrimarySurface || state.display.SceneSurface ||
                 state.display.AuxSurface);
    EXPECT_TRUE(state.display.DisplayPalette);
    EXPECT_TRUE(state.display.DisplayDevice);
    EXPECT_EQ(cursor.calls, QStringList({QStringLiteral("release"), QStringLiteral("program")}));
    EXPECT_FALSE(state.SessionAborted);
    EXPECT_EQ(host.closeRequests, 0) << "closing is the window's own doing";

    // A second close (the window's own after a loss of focus) finds nothing to release.
    run->FormClose();
    EXPECT_FALSE(state.display.PrimarySurface);
}

TEST_F(StimulusLifecycleTest, LosingTheFocusAbortsTheSessionAndReleasesThePalette) {
    selectProcedure(0, 2);
    run->FormActivate();
    state.run.ActiveFigure = FigureRed;
    state.display.AuxSurface = makeSurface(*device(), 10, 10);
    run->Timer2().start();

    run->ApplicationEvents1Deactivate();

    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
    EXPECT_TRUE(state.SessionAborted);
    EXPECT_FALSE(state.display.DisplayPalette);
    EXPECT_FALSE(state.display.PrimarySurface || state.display.AuxSurface);
    EXPECT_FALSE(run->Timer2().isActive());
    EXPECT_TRUE(state.display.DisplayDevice) << "the device belongs to the main window";
    EXPECT_EQ(host.closeRequests, 1);

    // The next activation clears the abort again.
    makePrimary();
    run->FormActivate();
    EXPECT_FALSE(state.SessionAborted);
}

TEST_F(StimulusLifecycleTest, TimerMoveMakesTheSuspendedFigureMovableOnce) {
    state.run.ActiveFigure = FigureNone;
    state.run.SavedActiveFigure = FigureRed;
    FakeTimer& timerMove = timers["TimerMove"];
    run->TimerMove().start();

    EXPECT_TRUE(timerMove.fire());
    EXPECT_EQ(state.run.ActiveFigure, FigureRed);
    EXPECT_FALSE(run->TimerMove().isActive());

    state.run.ActiveFigure = FigureNone;
    EXPECT_FALSE(timerMove.fire()) << "one tick only";
    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
}

TEST_F(StimulusLifecycleTest, Timer1StopsAtItsFirstTick) {
    run->Timer1().start();
    EXPECT_TRUE(timers["Timer1"].fire());
    EXPECT_FALSE(run->Timer1().isActive());
}

TEST_F(StimulusLifecycleTest, EscapeAsksTheWindowToCloseOtherKeysDoNot) {
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Left, Qt::Key_Home, Qt::Key_Space}) {
        run->keyDown(key, Qt::NoModifier);
    }
    EXPECT_EQ(host.closeRequests, 0);
    run->keyDown(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(host.closeRequests, 1);
}

} // namespace
} // namespace trelon::test
