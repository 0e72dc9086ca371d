// The calibration and additional parameters screens on the offscreen platform: typing,
// clicks and what shows through the presenter, the ways they close.
#include "gui/PresenterWidget.h"
#include "gui/SpinButtonWidget.h"
#include "screens/NastrForm.h"
#include "screens/ParamSpForm.h"
#include "support/ConfigScreenFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace trelon;
using namespace trelon::test;

namespace {

class ConfigScreensTest : public ConfigScreenFixture {
protected:
    template <typename Screen> void showOver(Screen& screen) {
        screen.setDialogs(dialogs);
        screen.setWindowFlag(Qt::FramelessWindowHint, true);
        screen.setGeometry(QGuiApplication::primaryScreen()->geometry());
        screen.show();
        QApplication::setActiveWindow(&screen);
        QApplication::processEvents();
    }
    template <typename T> static T* child(QWidget& screen, const char* name) {
        return screen.findChild<T*>(QLatin1String(name));
    }
};

TEST_F(ConfigScreensTest, TypingRecolorsThePatternAtOnceAndClosingKeepsTheAccepted) {
    startWith({QStringLiteral("[Default]")});
    TNastrForm form(state);
    showOver(form);
    ASSERT_TRUE(state.display.PrimarySurface);
    auto* edit = child<QLineEdit>(form, "EditRG");
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("300")); // "3", "30", then "300" is put back
    EXPECT_EQ(edit->text(), QStringLiteral("30"));
    const QImage frame = child<PresenterWidget>(form, "Presenter")->grab().toImage();
    const QPoint redSquare = layOutCalibration(kScreen).pattern + QPoint(200, 200);
    EXPECT_EQ(frame.pixelColor(redSquare), QColor(240, 30, 50));
    QTest::mouseClick(child<SpinButtonWidget>(form, "SpinButtonRG")->upButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("31"));

    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.roles.ColorRed, colourWord(240, 31, 50));
    EXPECT_FALSE(state.display.PrimarySurface);
    EXPECT_FALSE(state.display.SceneSurface);
}

TEST_F(ConfigScreensTest, AResizeAfterTheShowingClosesTheCalibrationScreen) {
    startWith({QStringLiteral("[Default]")});
    TNastrForm form(state);
    showOver(form);
    EXPECT_TRUE(form.isVisible()); // the sizing to the whole screen did not count
    form.resize(640, 480);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(state.display.PrimarySurface);
}

TEST_F(ConfigScreensTest, ShiftOnUpDown5StepsByTenAndNoToSavingStillApplies) {
    startWith({QStringLiteral("[Default]"), QStringLiteral("TimeTrenKosogl2=5")});
    TFormParamSp form(state);
    showOver(form);
    auto* bystro = child<QLineEdit>(form, "EditTimeBystro");
    EXPECT_EQ(bystro->text(), QStringLiteral("5"));
    auto* upDown = child<SpinButtonWidget>(form, "UpDown5");
    QTest::mouseClick(upDown->downButton(), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(bystro->text(), QStringLiteral("-5"));
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(bystro->text(), QStringLiteral("6"));

    dialogs.confirmAnswers = {false};
    QTest::mouseClick(child<QPushButton>(form, "BitBtnSaveParam"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.settings.TimeTrenKosogl2, 6);
    EXPECT_EQ(stored(), original);
}

} // namespace
