// The Qt implementations of the seams the stimulus window runs on.
#include "gui/QtCursor.h"
#include "gui/QtDialogs.h"
#include "gui/QtSoundPlayer.h"
#include "gui/QtTimer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

// The operator types a folder that does not exist yet into the folder dialog: it is asked
// about and, with "Да", created and chosen.
TEST(QtDialogsTest, ATypedNewFolderIsCreatedAfterTheQuestion) {
    QTemporaryDir dir;
    const QString wanted = dir.path() + QStringLiteral("/new data");
    QStringList questions;
    int tries = 0;
    // Answers each box as it opens: the folder dialog with the typed name, the question with Yes.
    QTimer operatorHand;
    QObject::connect(&operatorHand, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (auto* folders = qobject_cast<QFileDialog*>(box); folders && ++tries > 3) {
            folders->reject(); // the dialog does not take the folder
        } else if (folders) {
            folders->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(wanted);
            QMetaObject::invokeMethod(folders, "accept"); // as "Choose" does
        } else if (auto* question = qobject_cast<QMessageBox*>(box)) {
            questions << question->text();
            QAbstractButton* yes = question->button(QMessageBox::Yes);
            (yes != nullptr ? yes : question->buttons().first())->click();
        }
    });
    operatorHand.start(50);
    QtDialogs dialogs;
    const std::optional<QString> chosen = dialogs.chooseFolder(dir.path());
    operatorHand.stop();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QDir(*chosen).absolutePath(), wanted);
    EXPECT_TRUE(QDir(wanted).exists());
    EXPECT_EQ(questions,
              QStringList{QStringLiteral("Папка %1 не существует. Создать?").arg(*chosen)});
}

} // namespace
} // namespace trelon
