// Input rules that only show in a run: a figure at the margin hands the move to the other
// figure, a step number left by an earlier run closes nothing, a key due for a flicker
// toggle is spent on it.
#include "DiagnosticRunFixture.h"
#include "RunFixture.h"

namespace trelon::test {
namespace {

class InputRunRulesTest : public DiagnosticRunFixture {};

TEST_F(InputRunRulesTest, AngleTestFigureAtTheMarginMovesTheOtherFigureBack) {
    start(2, 2);
    const QPoint onRed = pixelOf(kRed);
    clickAt(onRed);
    ASSERT_EQ(runState().ActiveFigure, FigureRed);
    moveMouse(onRed - QPoint(100, 0));
    const FigureRect red = runState().RedRect;
    const FigureRect blue = runState().BlueRect;

    // Left would become 1, inside the 2-pixel margin: the red figure stays and the blue one
    // moves the other way, so the two pictures still close up.
    const int dx = 1 - red.Left;
    moveMouse(onRed - QPoint(100, 0) + QPoint(dx, 0));
    EXPECT_EQ(runState().RedRect, red);
    EXPECT_EQ(runState().BlueRect.Left, blue.Left - dx);
    EXPECT_EQ(runState().BlueRect.Top, blue.Top);
}

TEST_F(InputRunRulesTest, StepNumberOfAnEarlierScotomaRunDoesNotCloseTheAngleTest) {
    runState().StepNo = 9;
    start(2, 2);
    press(Qt::Key_Return);
    EXPECT_EQ(host.closeRequests, 0);
    EXPECT_EQ(stored().size(), 1u);
}

class FlickerKeyTest : public RunFixture {};

TEST_F(FlickerKeyTest, ArrowDueForAToggleOnlyToggles) {
    selectProcedure(0, 2); // the squint training
    state.session.FlickerVariant = 3;
    FlickerPeriodMs(state.session) = 1000;
    state.run.FlickerOn = true;
    state.run.LastToggleTime = clock.now - 1000;
    state.run.ActiveFigure = FigureRed;
    state.run.RedRect = {50, 60, 50, 60};
    run->startFlickerClock(100);

    run->keyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(state.run.FlickerOn) << "the whole picture is hidden";
    EXPECT_EQ(state.run.LastToggleTime, clock.now);
    EXPECT_EQ(state.run.ActiveFigure, FigureRed);
    EXPECT_EQ(state.run.RedRect, (FigureRect{50, 60, 50, 60}));
    EXPECT_EQ(entriesOn(primary()), QSet<int>{state.indices.IndexFon});

    // Hidden for less than 200 ms: not due, the key goes on to the procedure's rules.
    clock.advance(199);
    run->keyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(state.run.FlickerOn);
}

} // namespace
} // namespace trelon::test
