// The squint training from its scene to the stored record: the three modes, Home stepping by
// hand, the flicker keeping its periods while the figure steps, starting with the pick and
// pausing with the steps.
#include "DiagnosticRunFixture.h"
#include "procedures/trainings/AlignmentSteps.h"

namespace trelon::test {
namespace {

class TrenKosoglEndToEndTest : public DiagnosticRunFixture {
protected:
    // The star in mode 0 (manual), 1 (pauses) or 2 (uniform), flickering at the frequency
    // item's hertz (0 none) in the variant (1 the red figure).
    void start(int mode, std::uint16_t hertz = 0, std::uint16_t variant = 1) {
        selectProcedure(0, 2, 1);
        state.session.WorkMode = mode;
        state.session.FlickerVariant = variant;
        FlickerPeriodMs(state.session) = hertz;
        run->FormActivate();
        red0 = runState().RedRect;
        blue0 = runState().BlueRect;
    }

    // Picks the figure of entry and moves it dx pixels with the keys; the first key after the
    // scene only clears SkipFirstMove.
    void pickAndShift(int entry, int dx) {
        clickAt(pixelOf(entry));
        ASSERT_EQ(runState().ActiveFigure, entry == kRed ? FigureRed : FigureBlue);
        const int key = dx > 0 ? Qt::Key_Right : Qt::Key_Left;
        press(key, Qt::NoModifier, std::abs(dx) % 5 + 1);
        press(key, Qt::ShiftModifier, std::abs(dx) / 5);
    }

    int redShift() const { return state.run.RedRect.Left - red0.Left; }

    FigureRect red0;
    FigureRect blue0;
};

TEST_F(TrenKosoglEndToEndTest, PausesOfFiveSecondsStepEverySixthSecondAndBeepEveryFifth) {
    state.session.PauseSeconds = 5;
    state.session.StepPixels = 3;
    start(1);
    ASSERT_EQ(runState().SkipFirstMove, true);
    pickAndShift(kRed, 10);
    ASSERT_EQ(redShift(), 10);
    clickAt(QPoint(5, 5));
    EXPECT_EQ(timer("Timer2").interval(), 1000);
    EXPECT_FALSE(cursor.visible);

    // What each second brought: its sounds and the red figure's step.
    QStringList events;
    int sounds = 0;
    int last = redShift();
    for (int second = 1; second <= 40 && timer("Timer2").fire(); ++second) {
        const QString at = QString::number(second) + QLatin1Char(' ');
        if (redShift() != last) {
            events << at + QString::number(redShift() - last);
            last = redShift();
        }
        for (const QString& name : soundsPlayed().mid(sounds)) {
            events << at + name;
            ++sounds;
        }
    }
    EXPECT_EQ(events, QStringLiteral("5 5Sec.wav|6 -3|10 5Sec.wav|12 -3|15 5Sec.wav|18 -3|"
                                     "20 5Sec.wav|24 -1|24 Rez.wav")
                          .split(QLatin1Char('|')));
    EXPECT_FALSE(timer("Timer2").isActive());
    const std::vector<ResultRecord> records = stored();
    ASSERT_EQ(records.size(), 1u);
    const ResultRecord& r = records[0];
    EXPECT_DOUBLE_EQ(r.ValueX, 0.0);
    // Where the pauses started: 10 px right of the aligned position = -0.16292 deg.
    EXPECT_DOUBLE_EQ(r.DirectionValues[0], -0.2);
    EXPECT_EQ(r.IsDiagnostics, 0);
    EXPECT_EQ(r.ProcedureNumber, 2);
    EXPECT_EQ(r.WorkMode, 1);
    EXPECT_EQ(r.PauseSeconds, 5);
    EXPECT_EQ(r.StepPixels, 3);
}

TEST_F(TrenKosoglEndToEndTest, UniformTenPixelsOffEndsAfterTenOnePixelSteps) {
    state.session.MoveInterval = 200;
    start(2);
    pickAndShift(kRed, 10);
    clickAt(QPoint(5, 5));
    EXPECT_EQ(timer("Timer2").interval(), 200);
    for (int step = 1; step <= 9; ++step) {
        ASSERT_TRUE(timer("Timer2").fire());
        EXPECT_EQ(redShift(), 10 - step);
        EXPECT_EQ(runState().RedRect.Top, red0.Top);
    }
    EXPECT_TRUE(stored().empty());
    ASSERT_TRUE(timer("Timer2").fire());
    EXPECT_EQ(runState().RedRect, red0);
    EXPECT_TRUE(runState().ResultShown);
    EXPECT_FALSE(timer("Timer2").isActive());
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_DOUBLE_EQ(stored()[0].ValueX, 0.0);
    EXPECT_DOUBLE_EQ(stored()[0].DirectionValues[0], -0.2);
    clickAt(QPoint(5, 5));
    EXPECT_EQ(host.closeRequests, 1);
}

TEST_F(TrenKosoglEndToEndTest, ManualClockBeepsEveryFifteenSecondsHomeStepsRightClickAnswers) {
    start(0);
    EXPECT_TRUE(runState().TimeBoxActive) << "the manual mode shows its time box";
    pickAndShift(kBlue, -10);
    ASSERT_EQ(runState().BlueRect.Left, blue0.Left - 10);
    // Home: one uniform step by hand; the blue figure goes back right.
    press(Qt::Key_Home);
    EXPECT_EQ(runState().BlueRect.Left, blue0.Left - 9);
    clickAt(QPoint(5, 5));
    EXPECT_EQ(timer("Timer2").interval(), 1000);
    for (int second = 0; second < 30; ++second) {
        ASSERT_TRUE(timer("Timer2").fire());
    }
    EXPECT_EQ(runState().ElapsedSeconds, 30);
    EXPECT_EQ(soundsPlayed(), QStringList(2, QStringLiteral("1Sec.wav")));
    // The mouse moves nothing while the clock runs; a left click starts it again from 0.
    moveMouse(QPoint(600, 500));
    EXPECT_EQ(runState().BlueRect.Left, blue0.Left - 9);
    clickAt(QPoint(5, 5));
    EXPECT_EQ(runState().ElapsedSeconds, 0);
    timer("Timer2").fire();
    timer("Timer2").fire();

    clickAt(QPoint(5, 5), Qt::RightButton);
    EXPECT_FALSE(timer("Timer2").isActive());
    EXPECT_EQ(runState().ElapsedSeconds, 2);
    ASSERT_EQ(stored().size(), 1u);
    const ResultRecord r = stored()[0];
    // Blue 9 px left of the aligned position: BlueLeft + dx - RedLeft = -9 px = -0.1466 deg.
    EXPECT_DOUBLE_EQ(r.ValueX, -0.1);
    EXPECT_DOUBLE_EQ(r.DirectionValues[0], -0.1);
    EXPECT_DOUBLE_EQ(r.ValueY, 0.0);
    EXPECT_EQ(r.ObjectName, QStringLiteral("Звезда"));
}

TEST_F(TrenKosoglEndToEndTest, UniformWithFlickerStepsEveryIntervalWhileRedShows250Hides200) {
    state.session.MoveInterval = 100;
    start(2, 6);
    EXPECT_FALSE(timer("TimerM").isActive()) << "the flicker starts with the pick";
    pickAndShift(kRed, 10);
    EXPECT_EQ(FlickerPeriodMs(state.session), 250);
    clickAt(QPoint(5, 5));
    EXPECT_EQ(timer("Timer2").interval(), 50);

    // The event loop on the fake clock: each timer ticks when its interval has passed.
    const int t0 = clock.now;
    int next2 = t0 + 50;
    int nextM = t0 + timer("TimerM").interval();
    bool shown = true;
    QList<int> toggles;
    QList<int> steps;
    int shift = redShift();
    while (!runState().ResultShown && clock.now - t0 < 5000) {
        const bool procedureTick = next2 <= nextM;
        clock.now = procedureTick ? next2 : nextM;
        if (procedureTick) {
            timer("Timer2").fire();
            next2 += 50;
        } else {
            timer("TimerM").fire();
            nextM = clock.now + timer("TimerM").interval();
        }
        if (runState().FlickerOn != shown) {
            shown = runState().FlickerOn;
            toggles << clock.now - t0;
            EXPECT_EQ(entriesOn(primary()).contains(kRed), shown) << clock.now - t0;
        }
        if (redShift() != shift) {
            steps << clock.now - t0;
            shift = redShift();
        }
    }
    EXPECT_EQ(steps, (QList<int>{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}));
    EXPECT_EQ(toggles, (QList<int>{250, 450, 700, 900}));
    EXPECT_TRUE(entriesOn(primary()).contains(kRed)) << "the whole picture at the answer";
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].FlickerHz, 250);
    EXPECT_DOUBLE_EQ(stored()[0].ValueX, 0.0);
}

TEST_F(TrenKosoglEndToEndTest, FlickerStartsWithThePickPausesWithTheWholePictureAndResumes) {
    // Figures in turn at 6 Hz (250 ms): an arrow before the pick leaves the picture whole.
    state.session.PauseSeconds = 5;
    state.session.StepPixels = 3;
    start(1, 6, 4);
    const auto bothShown = [this] { return entriesOn(primary()).contains({kRed, kBlue}); };
    press(Qt::Key_Right);
    EXPECT_TRUE(bothShown());
    pickAndShift(kRed, 10);
    ASSERT_EQ(redShift(), 11) << "seen at once; the arrow before the pick took SkipFirstMove";
    clickAt(QPoint(5, 5));
    // Paused while the red figure is hidden: both show, the flicker waits.
    clock.advance(250);
    timer("TimerM").fire();
    ASSERT_FALSE(entriesOn(primary()).contains(kRed));
    clickAt(QPoint(5, 5));
    EXPECT_FALSE(timer("TimerM").isActive());
    EXPECT_TRUE(bothShown());
    // The resuming click resumes the flicker, and every step lands, hidden or not.
    clickAt(QPoint(5, 5));
    EXPECT_TRUE(timer("TimerM").isActive());
    for (int ms = 50; ms < 40000 && !runState().ResultShown; ms += 50) {
        clock.advance(50);
        if (ms % 1000 == 0) {
            timer("Timer2").fire(); // before the toggle due with it: the red figure is hidden
        }
        timer("TimerM").fire();
    }
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_DOUBLE_EQ(stored()[0].ValueX, 0.0);

    // The whole picture blinking: a key while it is blank moves the figure unseen; it shows
    // moved when the picture returns.
    run->FormClose();
    start(1, 6, 3);
    pickAndShift(kRed, 1);
    clock.advance(250);
    timer("TimerM").fire();
    ASSERT_FALSE(runState().FlickerOn);
    clock.advance(10);
    press(Qt::Key_Right);
    EXPECT_EQ(redShift(), 2);
    EXPECT_EQ(entriesOn(primary()), QSet<int>{kFon});
    clock.advance(200);
    timer("TimerM").fire();
    EXPECT_EQ(boxOf(primary(), kRed), boxOf(scene(), kRed));
}

// Pause steps where the figure lies on the start's line or near it (r <= S, p > 1): the
// horizontal part keeps the step's slope closest to the start's.
TEST(AlignmentStepsTest, PauseStepUnderTheSlopeKeepsTheSlopeAndNoStepOnceAligned) {
    EXPECT_EQ(pauseStep(6, 10, 0.62, 3), (FigureMove{2, 3}));
    EXPECT_EQ(pauseStep(30, 10, 3.2, 3), (FigureMove{3, 3}));
    EXPECT_EQ(pauseStep(0, 0, 1.0, 3), FigureMove{});
    EXPECT_EQ(uniformStep(0, 0, 1.0), FigureMove{});
}

} // namespace
} // namespace trelon::test
