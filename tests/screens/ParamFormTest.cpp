// The set-up screen's widgets on the offscreen platform: what each procedure shows, the
// texts, clicks, keys and the screens opened from it.
#include "screens/ParamForm.h"
#include "gui/RadioGroupWidget.h"
#include "screens/NastrForm.h"
#include "screens/StimulusForm.h"
#include "state/SharedState.h"
#include "state/SharedTexts.h"
#include "stimulus/DisplaySetup.h"
#include "support/FakeDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

using namespace trelon;
using trelon::test::FakeDialogs;
using C = SetupControl;

namespace {

// Runs an action when a screen is shown, then closes it at once.
class OnShow : public QObject {
public:
    int shown = 0;
    std::function<void()> action;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shown;
            if (action) {
                action();
            }
            QTimer::singleShot(0, static_cast<QWidget*>(watched), &QWidget::close);
        }
        return false;
    }
};

class ParamFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.paths.ProgramDir = QStringLiteral(TRELON_PROGRAM_DIR "/");
        SetSharedTexts(state.texts);
        ASSERT_TRUE(StartDisplay(state.display, state.roles, state.PaletteShift,
                                 state.paths.ProgramDir, QSize(1024, 768))
                        .ok);
        form = std::make_unique<TFormParam>(state);
        form->setDialogs(dialogs);
        form->setPatientBoxes([this] { return PatientBoxes{surname, QStringLiteral("3")}; });
        // Over the whole display, as the maximised screen is.
        form->setWindowFlag(Qt::FramelessWindowHint, true);
        form->setGeometry(0, 0, 1024, 768);
    }
    void TearDown() override {
        if (form->isVisible()) {
            form->close();
        }
    }

    void open(int isDiagnostics, int number) {
        if (form->isVisible()) {
            form->close();
        }
        state.session.IsDiagnostics = static_cast<std::uint8_t>(isDiagnostics);
        state.session.ProcedureNumber = static_cast<std::uint16_t>(number);
        form->show();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents(); // the first paint
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    }
    template <typename T> T* child(C id) { return form->findChild<T*>(designOf(id).name); }
    RadioGroupWidget* group(C id) { return child<RadioGroupWidget>(id); }
    void clickItem(C id, int item) { QTest::mouseClick(group(id)->button(item), Qt::LeftButton); }
    std::set<QString> shownGroups() {
        std::set<QString> shown;
        for (const SetupControlDesign& design : setupControlDesigns()) {
            if (design.kind == SetupControlKind::RadioGroup && group(design.id)->isVisible()) {
                shown.insert(design.name);
            }
        }
        return shown;
    }

    SharedState state;
    FakeDialogs dialogs;
    QString surname = QStringLiteral("Петров");
    std::unique_ptr<TFormParam> form;
};

TEST_F(ParamFormTest, EachProcedureShowsItsGroupsWithTheirTexts) {
    // Which groups each procedure shows is checked on the set-up logic; here every widget
    // must mirror it, and the counts guard against an empty mirror.
    const int shownCount[2][4] = {{7, 7, 5, 6}, {2, 4, 2, 5}};
    for (int kind = 0; kind < 8; ++kind) {
        const int isDiagnostics = kind < 4 ? 1 : 0;
        const int number = kind % 4 + 1;
        SCOPED_TRACE(kind);
        open(isDiagnostics, number);
        EXPECT_EQ(static_cast<int>(shownGroups().size()), shownCount[isDiagnostics][number - 1]);
        EXPECT_EQ(form->windowTitle(), form->setup().caption());
        // Every widget mirrors its control, texts included.
        for (const SetupControlDesign& design : setupControlDesigns()) {
            const SetupControlState& control = form->setup().control(design.id);
            QWidget* widget = form->findChild<QWidget*>(design.name);
            ASSERT_NE(widget, nullptr) << design.name.toStdString();
            EXPECT_EQ(widget->isVisible(), control.visible) << design.name.toStdString();
            if (control.visible) {
                EXPECT_EQ(widget->isEnabled(), control.enabled) << design.name.toStdString();
            }
            if (auto* radio = qobject_cast<RadioGroupWidget*>(widget)) {
                EXPECT_EQ(radio->caption(), design.caption);
                EXPECT_EQ(radio->items(), control.items);
                EXPECT_EQ(radio->itemIndex(), control.itemIndex);
            }
        }
        // The flicker preview squares only for the two flicker trainings.
        EXPECT_EQ(child<QWidget>(C::FlickerRedSquare)->isVisible(),
                  isDiagnostics == 0 && number <= 2);
    }
    EXPECT_EQ(group(C::RadioGroupAmbliop)->caption(),
              QStringLiteral("         Положение фильтров"));
    EXPECT_EQ(group(C::RadioGroupDistant)->button(1)->text(), QStringLiteral("    1 м"));
    EXPECT_EQ(group(C::RadioGroupShagMove)->items().first(), QStringLiteral("   1 пикс. "));
    EXPECT_EQ(child<QPushButton>(C::StartButton)->text(), QStringLiteral("Начать работу"));
    EXPECT_EQ(child<QPushButton>(C::BackButton)->text(), QStringLiteral("Возврат"));
    EXPECT_EQ(child<QLabel>(C::SwatchName3)->text(), QStringLiteral("Палитра 3"));
}

TEST_F(ParamFormTest, ClicksReachTheHandlers) {
    open(1, 2);
    EXPECT_FALSE(group(C::RadioGroupSizeScotoma)->isEnabled()); // "Шкала"
    clickItem(C::RadioGroupTestObj, 3);
    EXPECT_TRUE(group(C::RadioGroupSizeScotoma)->isEnabled());

    open(0, 2);
    clickItem(C::RadioGroupWork, 1);
    EXPECT_TRUE(group(C::RadioGroupPause)->isVisible());
    EXPECT_TRUE(group(C::RadioGroupShagMove)->isVisible());
    clickItem(C::RadioGroupFrec, 5);
    EXPECT_EQ(state.session.FlickerHz, 8);
    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 200);
    // Red only: Label1 blinks on the timer.
    QTest::qWait(250);
    EXPECT_FALSE(child<QWidget>(C::FlickerRedSquare)->isVisible());
}

TEST_F(ParamFormTest, PressOnASwatchChoosesItsLevel) {
    open(1, 1);
    const int level = state.ContrastLevel == 2 ? 3 : 2;
    const QPoint swatch(form->setup().swatchX() + 20,
                        form->setup().swatchY() + 50 * (level - 1) + 20);
    QWidget* presenter = form->findChild<QWidget*>(QStringLiteral("Presenter"));
    ASSERT_NE(presenter, nullptr);
    QTest::mouseClick(presenter, Qt::LeftButton, {}, swatch);
    EXPECT_EQ(state.ContrastLevel, level);
    const C label = level == 2 ? C::SwatchName2 : C::SwatchName3;
    EXPECT_EQ(child<QLabel>(label)->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(child<QWidget>(C::FrameTop)->y(), form->setup().control(C::FrameTop).rect.y());
}

TEST_F(ParamFormTest, EnterStartsAndTheScreenIsReadyForTheNextRun) {
    open(0, 1);
    clickItem(C::RadioGroupScotomObj, 2);
    clickItem(C::RadioGroupSamolet, 6);
    clickItem(C::RadioGroupFrec, 2);
    press(Qt::Key_Return);
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    EXPECT_EQ(state.session.WorkMode, 225);
    EXPECT_EQ(state.session.PatientName, QStringLiteral("Петров"));
    EXPECT_EQ(state.session.PatientNumber, 3);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(group(C::RadioGroupFrec)->itemIndex(), 0);
    EXPECT_FALSE(form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(ParamFormTest, EnterWithoutPatientAsksAndNoKeepsTheScreen) {
    surname.clear();
    open(1, 3);
    dialogs.confirmAnswers = {false};
    state.session.DistanceCm = 0;
    press(Qt::Key_Enter);
    EXPECT_EQ(dialogs.confirmations,
              QStringList{QStringLiteral("Не выбрана фамилия. Продолжить?")});
    EXPECT_EQ(state.session.DistanceCm, 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ParamFormTest, EscCloseButtonAndFocusLossCloseAndReleaseTheSurfaces) {
    open(0, 3);
    ASSERT_TRUE(state.display.PrimarySurface);
    press(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(state.display.PrimarySurface);
    EXPECT_FALSE(state.display.SceneSurface);

    open(0, 3);
    QTest::mouseClick(child<QPushButton>(C::BackButton), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());

    open(0, 3);
    form->ApplicationEvents1Deactivate();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(state.SessionAborted);
    EXPECT_FALSE(state.display.PrimarySurface);
}

TEST_F(ParamFormTest, HiddenKeysReleaseTheDisplayForTheCalibrationScreen) {
    TNastrForm nastr(state, form.get());
    form->setScreens(&nastr, nullptr, nullptr);
    OnShow watch;
    bool releasedWhileShown = false;
    watch.action = [&] {
        releasedWhileShown = !state.display.DisplayPalette && !state.display.SceneSurface;
    };
    nastr.installEventFilter(&watch);
    open(1, 2);
    press(Qt::Key_F2, Qt::ControlModifier); // not the hidden key
    EXPECT_EQ(watch.shown, 0);
    press(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(watch.shown, 1);
    EXPECT_TRUE(releasedWhileShown);
    EXPECT_TRUE(form->isVisible());
    // Active again: the next paint draws the screen anew.
    QApplication::processEvents();
    EXPECT_TRUE(state.display.DisplayPalette);
    EXPECT_TRUE(form->setup().previewDrawn());
}

TEST_F(ParamFormTest, TheStimulusWindowShowsModallyAndAnAbortClosesThisScreenToo) {
    TForm1 form1(state, form.get());
    form->setScreens(nullptr, nullptr, &form1);
    OnShow watch;
    double distanceWhenShown = 0;
    watch.action = [&] { distanceWhenShown = state.session.DistanceCm; };
    form1.installEventFilter(&watch);

    open(1, 1);
    clickItem(C::RadioGroupDistant, 5);
    press(Qt::Key_Return);
    EXPECT_EQ(watch.shown, 1);
    EXPECT_EQ(distanceWhenShown, 500);
    EXPECT_TRUE(form->isVisible());

    // The application lost the focus during the run.
    // Set as the window closes (its activation clears the flag when it shows).
    watch.action = [this] { QTimer::singleShot(0, [this] { state.SessionAborted = true; }); };
    press(Qt::Key_Return);
    EXPECT_EQ(watch.shown, 2);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(state.SessionAborted);
}

} // namespace
