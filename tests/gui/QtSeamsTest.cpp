// The Qt implementations of the seams the stimulus window runs on.
#include "gui/QtCursor.h"
#include "gui/QtSoundPlayer.h"
#include "gui/QtTimer.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace trelon {
namespace {

TEST(QtTimerTest, TicksThroughTheEventLoopUntilTheCallbackStopsIt) {
    QtTimerFactory factory;
    std::unique_ptr<Timer> timer = factory.createTimer("TimerMove", 100);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_FALSE(timer->isActive());

    timer->setInterval(5);
    int ticks = 0;
    timer->setCallback([&] {
        if (++ticks == 3) {
            timer->stop();
        }
    });
    timer->start();
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000));
    QTest::qWait(30);
    EXPECT_EQ(ticks, 3);
}

TEST(QtCursorTest, HidingBlanksThePointerAndTheProgramCursorBringsItBack) {
    QWidget window;
    QtCursor cursor(window, QCursor(Qt::CrossCursor));
    cursor.hide();
    EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
    cursor.setProgramCursor();
    EXPECT_EQ(window.cursor().shape(), Qt::CrossCursor);
    cursor.hide();
    cursor.show();
    EXPECT_EQ(window.cursor().shape(), Qt::CrossCursor);
}

TEST(QtSoundPlayerTest, MissingFileCannotStartAndPlayReturnsAtOnce) {
    QtSoundPlayer player;
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(player.play(QStringLiteral("/nonexistent/Rez.wav")));
    player.play(QStringLiteral(TRELON_PROGRAM_DIR "/Rez.wav"));
    EXPECT_LT(elapsed.elapsed(), 1000);
    player.stop();
}

} // namespace
} // namespace trelon
