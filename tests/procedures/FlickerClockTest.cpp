// The flicker clock: when a toggle is due and when the clock stops; and its place in the run.
#include "RunFixture.h"

namespace trelon::test {
namespace {

class FlickerClockTest : public RunFixture {
protected:
    void SetUp() override {
        RunFixture::SetUp();
        selectProcedure(0, 1);
        state.session.FlickerVariant = 1;
        FlickerPeriodMs(state.session) = 600;
        state.run.LastToggleTime = clock.now;
    }

    // One tick of the run's flicker clock, elapsed milliseconds after the last toggle; true
    // when it toggled.
    bool tickAt(int elapsed) {
        const int before = state.run.LastToggleTime;
        const int saved = clock.now;
        clock.now = before + elapsed;
        run->TimerMTimer();
        clock.now = saved;
        return state.run.LastToggleTime != before;
    }
};

TEST_F(FlickerClockTest, VisibleImageStaysThePeriodAndHiddenOneJustOver199Ms) {
    state.run.FlickerOn = true;
    EXPECT_FALSE(tickAt(599));
    EXPECT_TRUE(tickAt(600));
    EXPECT_EQ(state.run.LastToggleTime, clock.now + 600);
    ASSERT_FALSE(state.run.FlickerOn);
    EXPECT_FALSE(tickAt(199));
    EXPECT_TRUE(tickAt(200));
    // A period shorter than the hidden time still hides for 200 ms.
    FlickerPeriodMs(state.session) = 1;
    state.run.FlickerOn = false;
    EXPECT_FALSE(tickAt(150));
}

TEST_F(FlickerClockTest, AlternationTogglesAfterTheFullPeriodEitherWay) {
    state.session.FlickerVariant = 4;
    for (const bool on : {true, false}) {
        state.run.FlickerOn = on;
        EXPECT_FALSE(tickAt(300)) << on;
        EXPECT_TRUE(tickAt(600)) << on;
    }
}

TEST_F(FlickerClockTest, StopsOnceTheTargetIsReachedWithTheImageShown) {
    run->TimerM().start();
    state.run.TargetReached = true;
    // Hidden: this tick shows the image, then the clock stops.
    state.run.FlickerOn = false;
    EXPECT_TRUE(tickAt(250));
    EXPECT_TRUE(state.run.FlickerOn);
    EXPECT_FALSE(run->TimerM().isActive());
    // Shown: the clock stops without hiding it again, even when a toggle is due.
    run->TimerM().start();
    EXPECT_FALSE(tickAt(5000));
    EXPECT_TRUE(state.run.FlickerOn);
    EXPECT_FALSE(run->TimerM().isActive());
}

TEST_F(FlickerClockTest, SquintTrainingFlickersOnAfterTheTarget) {
    selectProcedure(0, 2);
    run->TimerM().start();
    state.run.TargetReached = true;
    state.run.FlickerOn = true;
    EXPECT_TRUE(tickAt(600));
    EXPECT_TRUE(tickAt(200));
    EXPECT_TRUE(run->TimerM().isActive());
}

// The window's TimerM reads the run's clock and toggles the picture; its moves report their
// failures under the window's caption.
TEST_F(FlickerClockTest, RunTicksTheClockAndMovesTheActiveFigure) {
    state.session.FlickerVariant = 3;
    state.run.FlickerOn = true;
    state.run.LastToggleTime = clock.now - 600;
    run->TimerM().start();
    ASSERT_TRUE(timers["TimerM"].fire());
    EXPECT_FALSE(state.run.FlickerOn);
    EXPECT_EQ(state.run.LastToggleTime, clock.now);
    EXPECT_EQ(entriesOn(primary()), QSet<int>{state.indices.IndexFon});

    selectProcedure(1, 2);
    state.run.ActiveFigure = FigureRed;
    state.run.RedRect = {50, 60, 50, 60};
    state.display.SceneSurface.reset(); // nothing to compose on
    run->MoveFigure(2, 0);
    EXPECT_EQ(state.run.RedRect, (FigureRect{52, 62, 50, 60}));
    EXPECT_EQ(dialogs.errors,
              QStringList{host.title + QStringLiteral("|Ошибка обработки движения - № 1")});
}

} // namespace
} // namespace trelon::test
