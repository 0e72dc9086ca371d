// The main window driven through its real widgets and keys on the offscreen platform.
#include "screens/MainForm.h"
#include "display/Palette.h"
#include "screens/NastrForm.h"
#include "screens/ParamForm.h"
#include "screens/ParamSpForm.h"
#include "screens/ProgramStart.h"
#include "screens/RezultForm.h"
#include "state/SharedState.h"
#include "support/FakeDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace trelon;
using trelon::test::FakeDialogs;

namespace {

// Counts how often a screen is shown and closes it at once, so a modal screen opened by
// the main window returns to the test.
class ShowCounter : public QObject {
public:
    int shown = 0;
    std::function<void()> whileShown; // what happens elsewhere while the screen is open
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shown;
            if (whileShown) {
                whileShown();
            }
            QTimer::singleShot(0, static_cast<QWidget*>(watched), &QWidget::close);
        }
        return false;
    }
};

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.paths.ProgramDir = dir.path() + QLatin1Char('/');
        QFile::copy(QStringLiteral(TRELON_PROGRAM_DIR "/lake.bmp"),
                    dir.filePath(QStringLiteral("lake.bmp")));
    }

    // Creates the window the way the program does, with the other screens watched.
    void create(QSize screen = {1024, 768}) {
        form = std::make_unique<TMainForm>(state, dialogs);
        ASSERT_TRUE(startProgram(state, dialogs, screen));
        paramSp = std::make_unique<TFormParamSp>(state, form.get());
        nastr = std::make_unique<TNastrForm>(state, form.get());
        param = std::make_unique<TFormParam>(state, form.get());
        rezult = std::make_unique<TFormRezult>(state, dialogs, form.get());
        for (QWidget* screenWidget : std::initializer_list<QWidget*>{paramSp.get(), nastr.get(),
                                                                     param.get(), rezult.get()}) {
            screenWidget->installEventFilter(&counters[screenWidget]);
        }
        form->setScreens({paramSp.get(), nastr.get(), param.get(), rezult.get()});
        form->resize(screen);
        form->show();
        QApplication::setActiveWindow(form.get());
        form->FormPaint();
    }

    int shown(QWidget* screen) { return counters[screen].shown; }
    template <typename T> T* child(const char* name) {
        return form->findChild<T*>(QLatin1String(name));
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        // A closed modal screen gives the focus back to the main window.
        QApplication::setActiveWindow(form.get());
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    }
    void hideSplash() {
        if (form->splashVisible()) {
            press(Qt::Key_Space);
        }
        ASSERT_FALSE(form->splashVisible());
    }
    void addPatient(const QString& name) {
        child<QLineEdit>("EditFam")->setText(name);
        QTest::mouseClick(child<QPushButton>("BitBtn9"), Qt::LeftButton);
    }

    QTemporaryDir dir;
    SharedState state;
    FakeDialogs dialogs;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TFormParamSp> paramSp;
    std::unique_ptr<TNastrForm> nastr;
    std::unique_ptr<TFormParam> param;
    std::unique_ptr<TFormRezult> rezult;
    std::map<QWidget*, ShowCounter> counters;
};

TEST_F(MainFormTest, FirstPaintSettlesDataFolderAndStartsWithAnEmptyList) {
    create();
    EXPECT_FALSE(form->firstPaintPending());
    EXPECT_EQ(state.paths.DataDir, state.paths.ProgramDir);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("People.txt"))));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("Rezults"))).exists());
    EXPECT_EQ(child<QComboBox>("ComboBox2")->count(), 0);
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentIndex(), -1);
    EXPECT_TRUE(state.SoundOn);
    EXPECT_EQ(state.texts.NoPatientContinue, QStringLiteral("Не выбрана фамилия. Продолжить?"));

    // Without a patient a procedure button still opens the set-up screen, with the common file.
    hideSplash();
    QTest::mouseClick(child<QPushButton>("BitBtnTrenBifics"), Qt::LeftButton);
    EXPECT_EQ(shown(param.get()), 1);
    EXPECT_EQ(state.session.IsDiagnostics, 0);
    EXPECT_EQ(state.session.ProcedureNumber, 3);
    EXPECT_EQ(state.paths.ResultsFilePath, dir.filePath(QStringLiteral("RezClass.dat")));
}

TEST_F(MainFormTest, KeysWhileTheSplashShowsOnlyHideIt) {
    create();
    ASSERT_TRUE(form->splashVisible());
    press(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(form->splashVisible());
    EXPECT_EQ(shown(nastr.get()), 0);

    press(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(shown(nastr.get()), 1);
    press(Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shown(paramSp.get()), 1);
    press(Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(shown(nastr.get()), 1);
}

TEST_F(MainFormTest, SplashHidesByTimerOrMouse) {
    create();
    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 5000);
    EXPECT_TRUE(timer->isActive());
    QTest::mouseClick(child<QFrame>("Panel6"), Qt::LeftButton);
    EXPECT_FALSE(form->splashVisible());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(MainFormTest, SplashHidesItselfAfterFiveSeconds) {
    create();
    ASSERT_TRUE(form->splashVisible());
    QTest::qWait(5300);
    EXPECT_FALSE(form->splashVisible());
}

TEST_F(MainFormTest, ResultsButtonNeedsAPatientAndCreatesTheEmptyResultsFile) {
    create();
    hideSplash();
    QTest::mouseClick(child<QPushButton>("BitBtnRezult"), Qt::LeftButton);
    EXPECT_EQ(dialogs.informations, QStringList{QStringLiteral("Не введена фамилия!")});
    EXPECT_EQ(shown(rezult.get()), 0);

    addPatient(QStringLiteral("Иванов"));
    addPatient(QStringLiteral("Петров"));
    EXPECT_EQ(child<QLineEdit>("EditAll")->text(), QStringLiteral("2"));
    QTest::mouseClick(child<QPushButton>("BitBtnRezult"), Qt::LeftButton);
    EXPECT_EQ(shown(rezult.get()), 1);
    EXPECT_EQ(state.session.PatientName, QStringLiteral("Петров"));
    EXPECT_EQ(state.session.PatientNumber, 2);
    const QString file = dir.filePath(QStringLiteral("Rezults/2.dat"));
    EXPECT_EQ(state.paths.ResultsFilePath, file);
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(QFileInfo(file).size(), 0);
}

TEST_F(MainFormTest, ProcedureButtonsRecordTheProcedureAndThePatient) {
    writeBytes(dir.filePath(QStringLiteral("People.txt")), "Sidorov\r\n12\r\n");
    create();
    hideSplash();
    const char* names[] = {"BitBtnDiagCvetotest", "BitBtnDiagKosogl",   "BitBtnDiagScotoma",
                           "BitBtnDiagFuzia",     "BitBtnTrenScotoma",  "BitBtnTrenKosogl",
                           "BitBtnTrenBifics",    "BitBtnTrenCvetotest"};
    for (int i = 0; i < 8; ++i) {
        QTest::mouseClick(child<QPushButton>(names[i]), Qt::LeftButton);
        EXPECT_EQ(state.session.IsDiagnostics, i < 4 ? 1 : 0) << names[i];
        EXPECT_EQ(state.session.ProcedureNumber, i % 4 + 1) << names[i];
    }
    EXPECT_EQ(shown(param.get()), 8);
    EXPECT_EQ(state.session.PatientName, QStringLiteral("Sidorov"));
    EXPECT_EQ(state.session.PatientNumber, 12);
    EXPECT_EQ(state.paths.ResultsFilePath, dir.filePath(QStringLiteral("Rezults/12.dat")));

    // A number field that holds no integer opens nothing.
    auto* number = child<QLineEdit>("EditAll");
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("x"));
    EXPECT_EQ(dialogs.errors.size(), 1);
    QTest::mouseClick(child<QPushButton>("BitBtnDiagKosogl"), Qt::LeftButton);
    EXPECT_EQ(shown(param.get()), 8);
    EXPECT_EQ(dialogs.errors.size(), 2);
}

// Another copy gives the patient's number to someone else while the set-up and run are open
// (the run then refuses to store): back in the main window the list is read again at once.
TEST_F(MainFormTest, APatientChangedDuringTheRunReloadsTheListOnReturn) {
    const QString people = dir.filePath(QStringLiteral("People.txt"));
    writeBytes(people, "Sidorov\r\n12\r\n");
    create();
    hideSplash();
    counters[param.get()].whileShown = [&] { writeBytes(people, "Petrov\r\n12\r\n"); };
    QTest::mouseClick(child<QPushButton>("BitBtnDiagKosogl"), Qt::LeftButton);
    EXPECT_EQ(shown(param.get()), 1);
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(child<QComboBox>("ComboBox2")->itemText(0), QStringLiteral("Petrov"));
}

TEST_F(MainFormTest, CtrlDeleteAsksAndDeletesOnlyWithExactlyCtrl) {
    writeBytes(dir.filePath(QStringLiteral("People.txt")), "Anna\r\n1\r\nBoris\r\n2\r\n");
    create();
    hideSplash();
    press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    dialogs.confirmAnswers.push_back(true);
    press(Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(dialogs.confirmations.first(), QStringLiteral("Удаляется пациент - Anna"));
    QFile people(dir.filePath(QStringLiteral("People.txt")));
    ASSERT_TRUE(people.open(QIODevice::ReadOnly));
    EXPECT_EQ(people.readAll(), QByteArray("Boris\r\n2\r\n"));
    EXPECT_EQ(child<QComboBox>("ComboBox2")->count(), 1);
}

TEST_F(MainFormTest, EnterInTheNameFieldAddsThePatient) {
    create();
    hideSplash();
    QTest::keyClicks(child<QLineEdit>("EditFam"), QStringLiteral("Ivanov"));
    QTest::keyClick(child<QLineEdit>("EditFam"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentText(), QStringLiteral("Ivanov"));
    EXPECT_TRUE(child<QLineEdit>("EditFam")->text().isEmpty());
}

TEST_F(MainFormTest, PanelIsCentredAndNeverAtANegativePosition) {
    create();
    auto* panel = child<QFrame>("Panel1");
    form->resize(1024, 768);
    EXPECT_EQ(panel->pos(), QPoint((1024 - 774) / 2, (768 - 560) / 2));
    EXPECT_EQ(child<QFrame>("Panel6")->pos(), panel->pos());
    form->resize(700, 500);
    EXPECT_EQ(panel->pos(), QPoint(0, 0));
    EXPECT_EQ(child<QFrame>("Panel6")->pos(), QPoint(0, 0));
}

TEST_F(MainFormTest, SoundFollowsTheCheckBox) {
    create();
    hideSplash();
    QTest::mouseClick(child<QCheckBox>("CheckBoxPlayer"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(5, 10));
    EXPECT_FALSE(state.SoundOn);
}

TEST_F(MainFormTest, StartingColoursComeFromContrastAndGlasses) {
    writeBytes(dir.filePath(QStringLiteral("Class.ini")),
               "[Default]\r\nContrast=7\r\nFilterGreenBlue=1\r\nRG_Low_Red_in_Red=0\r\n");
    create();
    EXPECT_EQ(state.ContrastLevel, 3);
    EXPECT_EQ(state.settings.GlassesType, 1);
    EXPECT_EQ(state.roles.ColorRed, colourWord(0, 170, 100));
    EXPECT_EQ(state.roles.ColorBlue, colourWord(170, 190, 100));
    EXPECT_EQ(state.SavedColors.ColorRed, state.roles.ColorRed);
    PaletteTable entries;
    state.display.DisplayPalette->getEntries(entries);
    EXPECT_EQ(entries[22].red, 1); // zero components are written as 1
    EXPECT_EQ(entries[22].green, 170);
}

TEST_F(MainFormTest, ContrastBelowOneKeepsThePreviousColours) {
    writeBytes(dir.filePath(QStringLiteral("Class.ini")), "[Default]\r\nContrast=0\r\n");
    state.ContrastLevel = 2;
    create();
    EXPECT_EQ(state.ContrastLevel, 2);
    EXPECT_EQ(state.roles.ColorRed, 0u);
}

TEST(ProgramStart, DisplayFailuresEndTheProgramWithTheirMessages) {
    QTemporaryDir dir;
    struct Case {
        DisplayFailures forced;
        QStringList messages;
    };
    DisplayFailures device;
    device.createDevice = true;
    DisplayFailures cooperative;
    cooperative.cooperativeLevel = true;
    DisplayFailures mode;
    mode.displayMode = true;
    const Case cases[] = {{device, {QStringLiteral("Ошибка в работе DirectX 1")}},
                          {cooperative, {QStringLiteral("Ошибка в работе DirectX 2")}},
                          {mode, {}}};
    for (const Case& c : cases) {
        SharedState state;
        state.paths.ProgramDir = dir.path() + QLatin1Char('/');
        FakeDialogs dialogs;
        TMainForm form(state, dialogs);
        EXPECT_FALSE(startProgram(state, dialogs, {800, 600}, c.forced));
        EXPECT_EQ(dialogs.informations, c.messages);
        EXPECT_FALSE(state.display.DisplayDevice);
    }
}

} // namespace
