// The scotoma training from its scene to the stored record, on a 1024 x 768 screen (centre
// (512, 384)) with one millimetre = 3 pixels: the one-pixel creep over the target with the
// push-back, the cheese eaten in its band, the trap closing, the bee's and the aeroplanes'
// run-away, the travel still ahead stored in every direction, the flicker while the figure
// moves.
#include "DiagnosticRunFixture.h"

#include <array>

namespace trelon::test {
namespace {

class TrenScotomaEndToEndTest : public DiagnosticRunFixture {
protected:
    // The figure becomes movable when TimerMove ticks.
    void figureReady() {
        ASSERT_EQ(runState().ActiveFigure, FigureNone);
        timer("TimerMove").fire();
        ASSERT_EQ(runState().ActiveFigure, FigureRed);
    }
    // The pointer moves dx from where it is.
    void drag(int dx) { moveMouse(cursor.at + QPoint(dx, 0)); }
    // Presses key (with Shift) until the target is reached; false after 1000 presses.
    bool pressUntilReached(int key) {
        for (int i = 0; i < 1000 && !runState().TargetReached; ++i) {
            press(key, Qt::ShiftModifier);
        }
        return runState().TargetReached;
    }
    int leftEdge() { return runState().RedRect.Left; }
};

TEST_F(TrenScotomaEndToEndTest,
       TrapCreepsOnePixelPerMovePushedBackEatsTheCheeseAndClosesAtTheCentre) {
    startTraining(1, 1);
    // The cheese (100 x 70) at 1.5: its box reaches 10 px left and 20 - 9 px right of it.
    EXPECT_EQ(runState().BlueRect, (FigureRect{427, 588, 332, 437}));
    EXPECT_DOUBLE_EQ(state.session.ObjectSize, 2.4); // 150 px = 2.444 degrees
    // The mouse (90 x 55) at the right edge, 2 px in.
    EXPECT_EQ(runState().RedRect, (FigureRect{932, 1022, 357, 412}));
    EXPECT_DOUBLE_EQ(state.session.ValueX, 300.0);
    figureReady();

    for (int i = 0; i < 17; ++i) {
        drag(-20);
    }
    ASSERT_EQ(leftEdge(), 592);
    // Moves that reach the target advance one pixel each, up to its entry edge (588) ...
    for (int expected : {591, 590, 589, 588}) {
        drag(-20);
        EXPECT_EQ(leftEdge(), expected);
    }
    // ... and a pixel onto new ground is taken back by 4.
    drag(-20);
    EXPECT_EQ(leftEdge(), 591);
    // The new farthest point is 587: the next pixel beyond it goes back to 590.
    for (int expected : {590, 589, 588, 587, 590}) {
        drag(-20);
        EXPECT_EQ(leftEdge(), expected);
    }
    // Keys creep as well, without the push-back.
    press(Qt::Key_Left, Qt::ShiftModifier, 30);
    ASSERT_EQ(leftEdge(), 560);

    // Eaten only while the left edge lay in 427 + 40 + 3 .. 588 - 23, within the disc of
    // radius 161 / 2 - 14 about (507.5, 384.5): columns 560..565 lost the cheese above and
    // below the mouse, column 570 (passed before the band) kept it.
    const QRect aboveMouse(560, 352, 6, 5);
    const QRect belowMouse(560, 413, 6, 5);
    EXPECT_EQ(countOf(kBlue, aboveMouse) + countOf(kBlue, belowMouse), 0);
    EXPECT_GT(countOf(kBlue, aboveMouse.translated(10, 0)) +
                  countOf(kBlue, belowMouse.translated(10, 0)),
              0);
    EXPECT_GT(countOf(kRed, QRect(560, 357, 91, 56)), 0);

    // At the centre the trap closes: its bars are the columns at multiples of 10 in a box of
    // the target's size (161 x 105) about the centre, seen by both eyes; the mouse inside.
    ASSERT_TRUE(pressUntilReached(Qt::Key_Left));
    EXPECT_LE(leftEdge() - 512, 1);
    EXPECT_EQ(countOf(kAll, QRect(440, 332, 1, 106)), 106);
    EXPECT_EQ(countOf(kAll, QRect(441, 332, 9, 106)), 0);
    EXPECT_EQ(countOf(kBlue), 0);
    EXPECT_GT(countOf(kRed, QRect(467, 357, 90, 55)), 0);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_DOUBLE_EQ(records[0].ValueX, 0.0);
    EXPECT_DOUBLE_EQ(records[0].ObjectSize, 2.4);
    EXPECT_EQ(records[0].ObjectName, QStringLiteral("Мышеловка"));
    EXPECT_EQ(soundsPlayed(), QStringList{QStringLiteral("Rez.wav")});
}

TEST_F(TrenScotomaEndToEndTest, BeeReachingTheCentreRunsAwayInTenthsOfItsWidthEvery100Ms) {
    startTraining(1, 2);
    // The bee (72 x 59) is drawn 30 px high; its box reaches down to where it would lie.
    EXPECT_EQ(runState().RedRect, (FigureRect{950, 1022, 325, 414}));
    const QRect bee = boxOf(primary(), kRed);
    EXPECT_GE(bee.top(), 325);
    EXPECT_LT(bee.bottom(), 355 + 59 - 25);
    figureReady();
    ASSERT_TRUE(pressUntilReached(Qt::Key_Left));
    EXPECT_EQ(soundsPlayed(), QStringList{QStringLiteral("Verno.wav")});
    EXPECT_DOUBLE_EQ(state.session.ValueX, 0.0);
    EXPECT_EQ(timer("Timer2").interval(), 100);
    ASSERT_TRUE(timer("Timer2").isActive());
    // The bee ate the flower above its centre (384) only, from 1 mm past its left edge + 40
    // (480) and up to 23 px inside its right edge (564).
    const QRect upper(515, 340, 16, 40);
    EXPECT_EQ(countOf(kBlue, upper) + countOf(kAll, upper), 0);
    const QRect lower(515, 390, 16, 40);
    EXPECT_GT(countOf(kBlue, lower) + countOf(kAll, lower), 0);

    // The mouse no longer steers it; each tick moves it 72 / 10 = 7 px on while Left > 10.
    const FigureRect reached = runState().RedRect;
    moveMouse(QPoint(900, 600));
    EXPECT_EQ(runState().RedRect, reached);
    int ticks = 0;
    while (timer("Timer2").fire() && ticks < 200) {
        ++ticks;
        if (!runState().ResultShown) {
            EXPECT_EQ(leftEdge(), reached.Left - 7 * ticks);
        }
    }
    EXPECT_GT(leftEdge(), 3);
    EXPECT_LE(leftEdge(), 10);
    EXPECT_EQ(ticks, (reached.Left - 10 + 6) / 7 + 1);
    EXPECT_FALSE(timer("TimerM").isActive());
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_DOUBLE_EQ(records[0].ValueX, 0.0);
    EXPECT_EQ(records[0].PauseSeconds, 1);
    EXPECT_EQ(soundsPlayed(),
              (QStringList{QStringLiteral("Verno.wav"), QStringLiteral("Rez.wav")}));
}

TEST_F(TrenScotomaEndToEndTest, AeroplaneOfEachDirectionEatsAWedgeOnItsWayAndLeaves) {
    struct Direction {
        int degrees;
        int key;        // the key that moves the plane towards the centre
        QPoint topLeft; // where the 64 x 64 plane starts
        QPoint way;     // its travel
    };
    // cx + cy - 64 - 10 = 822 and cx + 10 - cy = 138 for the corners of the centred square.
    const std::array<Direction, 8> directions = {{
        {0, Qt::Key_Left, {958, 352}, {-1, 0}},
        {90, Qt::Key_Down, {480, 2}, {0, 1}},
        {180, Qt::Key_Right, {2, 352}, {1, 0}},
        {270, Qt::Key_Up, {480, 694}, {0, -1}},
        {45, Qt::Key_Left, {822, 10}, {-1, 1}},
        {135, Qt::Key_Right, {138, 10}, {1, 1}},
        {225, Qt::Key_Up, {138, 694}, {1, -1}},
        {315, Qt::Key_Left, {822, 694}, {-1, -1}},
    }};
    for (std::size_t i = 0; i < directions.size(); ++i) {
        const Direction& d = directions[i];
        SCOPED_TRACE(d.degrees);
        state.session.WorkMode = d.degrees;
        startTraining(1, 3);
        EXPECT_EQ(runState().StepNo, static_cast<int>(i) + 1);
        EXPECT_EQ(QPoint(runState().RedRect.Left, runState().RedRect.Top), d.topLeft);
        const int target = countOf(kBlue);
        figureReady();
        ASSERT_TRUE(pressUntilReached(d.key));
        // A wedge of the rings is gone behind the plane.
        EXPECT_LT(countOf(kBlue) + countOf(kAll), target - 50);
        // The run-away strides 64 / 10 = 6 px on each moving axis from the first tick.
        const FigureRect reached = runState().RedRect;
        timer("Timer2").fire();
        EXPECT_EQ(
            QPoint(runState().RedRect.Left - reached.Left, runState().RedRect.Top - reached.Top),
            d.way * 6);
        while (timer("Timer2").fire()) {
        }
        run->FormClose();
    }
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 8u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_DOUBLE_EQ(records[i].ValueX, 0.0);
        EXPECT_EQ(records[i].WorkMode, directions[i].degrees);
    }
}

TEST_F(TrenScotomaEndToEndTest,
       AeroplaneStoresTheTravelStillAheadTakesRightFromTheBottomAndArrowsLeaveTheBeeFlying) {
    // From the top the plane's bottom (66) leads: 20 Shift+Down take it to 166, 218 px above
    // the centre = 3.552 degrees.
    state.session.WorkMode = 90;
    startTraining(1, 3);
    figureReady();
    press(Qt::Key_Down, Qt::ShiftModifier, 20);
    ASSERT_EQ(runState().RedRect.Bottom, 166);
    press(Qt::Key_Return);
    run->FormClose();
    // From the bottom-left corner, 10 px above the bottom, Right goes up and right at once;
    // its right edge leads: (512 - 252) x 1.4142 = 367.7 px of travel = 5.990 degrees.
    state.session.WorkMode = 225;
    startTraining(1, 3);
    figureReady();
    press(Qt::Key_Right, Qt::ShiftModifier, 10);
    ASSERT_EQ(QPoint(runState().RedRect.Right, runState().RedRect.Top), QPoint(252, 644));
    press(Qt::Key_Return);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_DOUBLE_EQ(records[0].ValueX, 3.6);
    EXPECT_DOUBLE_EQ(records[1].ValueX, 6.0);
    run->FormClose();

    // The bee blinking at 8 Hz reaches the centre shown, and its flicker stops; arrows
    // pressed after that leave it shown for the whole flight.
    state.session.FlickerHz = 8;
    state.session.FlickerVariant = 1;
    startTraining(1, 2);
    figureReady();
    ASSERT_TRUE(pressUntilReached(Qt::Key_Left));
    timer("TimerM").fire();
    ASSERT_FALSE(timer("TimerM").isActive());
    clock.advance(300);
    press(Qt::Key_Left, Qt::NoModifier, 3);
    int ticks = 0;
    for (; timer("Timer2").fire() && ticks < 200; ++ticks) {
        ASSERT_GT(countOf(kRed), 0) << ticks;
    }
    EXPECT_GT(ticks, 60);
}

TEST_F(TrenScotomaEndToEndTest, FlickerRunsAtItsPeriodWhileTheFigureMoves) {
    state.session.FlickerHz = 0;
    startTraining(1, 1);
    EXPECT_FALSE(timer("TimerM").isActive() || timer("Timer2").isActive());

    // "8" Hz: 120 ms on both clocks; variant 1 blinks the mouse.
    state.session.FlickerHz = 8;
    state.session.FlickerVariant = 1;
    startTraining(1, 1);
    EXPECT_EQ(timer("TimerM").interval(), 100);
    EXPECT_EQ(timer("Timer2").interval(), 120);
    ASSERT_TRUE(timer("TimerM").isActive() && timer("Timer2").isActive());
    figureReady();
    const QRect figure = boxOf(primary(), kRed);
    clock.advance(120);
    timer("Timer2").fire();
    EXPECT_EQ(countOf(kRed, figure), 0);
    // Hidden, the mouse still moves (on the full scene) and shows there when it returns.
    clock.advance(10);
    press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(leftEdge(), 927);
    EXPECT_EQ(countOf(kRed), 0);
    clock.advance(190);
    timer("TimerM").fire();
    EXPECT_EQ(boxOf(primary(), kRed), figure.translated(-5, 0));

    press(Qt::Key_Return);
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].FlickerHz, 120);
    // The distance from the centre: 512 - 927 = -415 px = 6.761 degrees.
    EXPECT_DOUBLE_EQ(records[0].ValueX, 6.8);
    EXPECT_FALSE(timer("TimerM").isActive() || timer("Timer2").isActive());
}

} // namespace
} // namespace trelon::test
