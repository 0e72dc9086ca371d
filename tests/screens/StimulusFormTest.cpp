// The stimulus window shown modally on the offscreen platform, over fake seams.
#include "screens/StimulusForm.h"

#include "procedures/StimulusRun.h"
#include "support/StimulusScreenFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace trelon::test {
namespace {

class StimulusFormTest : public StimulusScreenFixture {
protected:
    void SetUp() override {
        openScreen(QSize(320, 240));
        selectProcedure(0, 3); // TrenBifics: the cursor is hidden
        form = std::make_unique<TForm1>(state, seams);
    }

    // Shows the window modally; whileShown runs from its event loop. Returns false when the
    // window had to be closed by the safety timer.
    bool showModally(const std::function<void()>& whileShown) {
        bool closedBySafety = false;
        QTimer::singleShot(0, form.get(), whileShown);
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, form.get(), [&] {
            closedBySafety = true;
            form->done(0);
        });
        safety.start(3000);
        form->showModal();
        return !closedBySafety;
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(StimulusFormTest, ShowingActivatesTheRunAndEscapeClosesIt) {
    bool activated = false;
    bool survivedOtherKeys = false;
    ASSERT_TRUE(showModally([&] {
        activated = entriesOn(*state.display.PrimarySurface) == QSet<int>{23} && !cursor.visible;
        // Enter, Tab and the arrows belong to the procedures, not to the dialog. (One Enter:
        // the training answers with it, and the next one would close the window.)
        for (Qt::Key key : {Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Left}) {
            QTest::keyClick(form.get(), key);
        }
        survivedOtherKeys = form->isVisible();
        QTest::keyClick(form.get(), Qt::Key_Escape);
    }));
    EXPECT_TRUE(activated);
    EXPECT_TRUE(survivedOtherKeys);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(state.display.PrimarySurface) << "closing releases the surfaces";
    EXPECT_TRUE(state.display.DisplayPalette);
    EXPECT_FALSE(state.SessionAborted);
    EXPECT_TRUE(cursor.visible);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(StimulusFormTest, LosingTheApplicationFocusClosesAndAbortsTheSession) {
    ASSERT_TRUE(showModally([&] {
        form->run().Timer2().start();
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    }));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(state.SessionAborted);
    EXPECT_FALSE(state.display.DisplayPalette);
    EXPECT_FALSE(state.display.PrimarySurface);
    EXPECT_FALSE(form->run().Timer2().isActive());
}

TEST_F(StimulusFormTest, FocusChangesWhileHiddenAreNotItsBusiness) {
    Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(state.SessionAborted);
    EXPECT_TRUE(state.display.DisplayPalette);
    EXPECT_TRUE(state.display.PrimarySurface);

    // Nor after a run has ended.
    ASSERT_TRUE(showModally([&] { QTest::keyClick(form.get(), Qt::Key_Escape); }));
    state.display.DisplayPalette = makePalette(*state.display.DisplayDevice, greyTable());
    Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(state.SessionAborted);
    EXPECT_TRUE(state.display.DisplayPalette);
}

TEST_F(StimulusFormTest, ClosingFromOutsideEndsTheRunToo) {
    ASSERT_TRUE(showModally([&] {
        form->run().TimerM().start();
        form->close();
    }));
    EXPECT_FALSE(form->run().TimerM().isActive());
    EXPECT_FALSE(state.display.PrimarySurface);
}

// The stimulus covers the monitor of the window it is opened over (not the primary one, where
// there are several), the display sized for it; the ctest run "test_screens_two_monitors" gives the
// offscreen platform a second, smaller monitor.
TEST_F(StimulusFormTest, CoversTheWholeMonitorOfTheMainWindow) {
    QScreen* monitor = QGuiApplication::primaryScreen();
    for (QScreen* other : QGuiApplication::screens()) {
        monitor = other != QGuiApplication::primaryScreen() ? other : monitor;
    }
    QWidget mainWindow;
    mainWindow.setScreen(monitor);
    mainWindow.setGeometry(monitor->geometry().adjusted(0, 40, 0, 0)); // below a panel
    mainWindow.show();
    ASSERT_EQ(device()->setCooperativeLevel(), DisplayResult::Ok); // as the program's start
    form = std::make_unique<TForm1>(state, seams, &mainWindow);
    QRect covered;
    QSize surface;
    ASSERT_TRUE(showModally([&] {
        covered = form->geometry();
        surface =
            QSize(state.display.PrimarySurface->width(), state.display.PrimarySurface->height());
        form->close();
    }));
    EXPECT_EQ(covered, monitor->geometry());
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(surface, monitor->size());
    EXPECT_EQ(device()->screenSize(), monitor->size());
    form.reset(); // before the window that owns it
}

} // namespace
} // namespace trelon::test
