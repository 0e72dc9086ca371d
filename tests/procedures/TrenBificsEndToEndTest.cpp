// The bifixation training from its scene to the stored record: shifting the figures with the
// mouse, the oscillation converging to the aligned position for every step and amplitude
// choice, the halt at the screen's edge.
#include "DiagnosticRunFixture.h"

namespace trelon::test {
namespace {

class TrenBificsEndToEndTest : public DiagnosticRunFixture {
protected:
    // The pear, swinging in by toCentre and out by fromCentre pixels at step pixels a tick.
    void start(int toCentre, int fromCentre, int step) {
        state.MaxAmplitudaSbligen = toCentre;
        state.MaxAmplitudaUdalen = fromCentre;
        state.settings.ShagKoleban = step;
        state.session.MoveInterval = 50;
        state.session.TrenFuzObjItem = 0;
        selectProcedure(0, 3, 1);
        run->FormActivate();
        centre = QPoint(kWidth / 2, kHeight / 2);
        ASSERT_EQ(cursor.at, centre);
    }

    // The mouse goes dx pixels right, one pixel per event (the first event only arms it).
    void shiftWithMouse(int dx) {
        moveMouse(centre);
        for (int x = 1; x <= dx; ++x) {
            moveMouse(centre + QPoint(x, 0));
        }
    }

    QPoint centre;
};

TEST_F(TrenBificsEndToEndTest, SixteenInOneOutStepOneConvergesUntilAligned) {
    start(16, 1, 1);
    const FigureRect box0 = runState().RedRect;
    EXPECT_EQ(runState().BlueRect, box0);
    EXPECT_EQ(entriesOn(primary()), (QSet<int>{kFon, kAll})) << "one picture for both eyes";

    shiftWithMouse(40);
    EXPECT_EQ(runState().BlueRect.Left, box0.Left + 40);
    EXPECT_EQ(runState().RedRect.Left, box0.Left - 40);
    EXPECT_EQ(runState().RedRect.Top, box0.Top);

    clickAt(QPoint(5, 5));
    EXPECT_EQ(timer("Timer2").interval(), 50);
    // The red figure's move on each tick.
    QList<int> moves;
    int last = runState().RedRect.Left;
    for (int tick = 0; tick < 200 && timer("Timer2").fire(); ++tick) {
        moves << runState().RedRect.Left - last;
        last = runState().RedRect.Left;
    }
    // Tops level: the first tick only turns to the horizontal phase; then 16 in, 1 out.
    QList<int> expected{0};
    for (int swing = 0; swing < 2; ++swing) {
        expected << QList<int>(16, 1) << -1;
    }
    // Then 16 in again, 1 out, and in until the lefts are within 2 pixels.
    expected << QList<int>(10, 1) << 0;
    EXPECT_EQ(moves, expected);
    EXPECT_FALSE(timer("Timer2").isActive());
    EXPECT_LT(std::abs(runState().RedRect.Left - runState().BlueRect.Left), 2);
    EXPECT_EQ(state.session.BifixPhase, 2);

    ASSERT_EQ(stored().size(), 1u);
    const ResultRecord r = stored()[0];
    // Started 80 px apart, blue right of red: 1.3034 deg.
    EXPECT_DOUBLE_EQ(r.DirectionValues[0], 1.3);
    EXPECT_DOUBLE_EQ(r.ValueX, 0.0);
    EXPECT_DOUBLE_EQ(r.ValueY, 0.0);
    EXPECT_EQ(r.StepPixels, 1);
    EXPECT_EQ(r.ProcedureNumber, 3);
    EXPECT_DOUBLE_EQ(r.ObjectSize, std::round((box0.Right - box0.Left) * 0.29 / 8.9 * 50 / 100));
}

TEST_F(TrenBificsEndToEndTest, EveryStepAndAmplitudeChoiceOfTheParametersScreenConverges) {
    // Every step with every pair of amplitudes that swings in farther than out, from 30 px
    // apart across and 10 down (so all three phases run).
    for (int step = 1; step <= 4; ++step) {
        for (int in : {2, 3, 4, 5, 6, 8, 10, 12}) {
            for (int out : {1, 2, 3, 4, 5, 6, 8, 10}) {
                if (out >= in) {
                    continue;
                }
                SCOPED_TRACE(testing::Message() << "step " << step << ", " << in << "/" << out);
                start(in, out, step);
                for (int x = 0; x <= 15; ++x) {
                    moveMouse(centre + QPoint(x, x / 3));
                }
                clickAt(QPoint(5, 5));
                for (int tick = 0; tick < 1000 && timer("Timer2").fire(); ++tick) {
                }
                ASSERT_TRUE(runState().ResultShown);
                run->FormClose();
            }
        }
    }
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 144u);
    for (const ResultRecord& r : records) {
        EXPECT_DOUBLE_EQ(r.ValueX, 0.0);
        EXPECT_DOUBLE_EQ(r.ValueY, 0.0);
    }
}

TEST_F(TrenBificsEndToEndTest, FiguresFollowTheHandAndThePushedCursorMovesNothing) {
    start(4, 2, 1);
    const FigureRect box0 = runState().BlueRect;
    moveMouse(centre);
    // The hand goes 30 px right in 3 px events and back; each event pushes the cursor on by
    // as much, and the event of that push moves nothing.
    for (int sign : {1, -1}) {
        for (int i = 0; i < 10; ++i) {
            moveMouse(cursor.at + QPoint(3 * sign, 0));
            moveMouse(cursor.at);
        }
        EXPECT_EQ(runState().BlueRect.Left, box0.Left + (sign > 0 ? 30 : 0));
        EXPECT_EQ(runState().RedRect.Left, box0.Left - (sign > 0 ? 30 : 0));
    }
}

TEST_F(TrenBificsEndToEndTest, HaltsAtTheEdgeWithoutAResultThenEnterAnswers) {
    start(0, 10, 2);
    // Apart until the mouse may take them no further.
    shiftWithMouse(kWidth / 2);
    const int apart = runState().BlueRect.Left - runState().RedRect.Left;
    ASSERT_GT(apart, 400);
    clickAt(QPoint(5, 5));
    int ticks = 0;
    while (timer("Timer2").fire() && ticks < 100) {
        ++ticks;
    }
    EXPECT_LT(ticks, 5) << "swinging out, the figures reach the margin at once";
    EXPECT_GE(runState().RedRect.Left, runState().EdgeMargin);
    EXPECT_FALSE(runState().ResultShown);
    EXPECT_TRUE(stored().empty());

    press(Qt::Key_Return);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].StepPixels, 2);
}

} // namespace
} // namespace trelon::test
