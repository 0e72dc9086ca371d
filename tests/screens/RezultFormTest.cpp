// The results screen driven through its widgets on the offscreen platform: every control
// reachable with the graph shown, and the deletion keys.
#include "screens/RezultForm.h"
#include "state/SharedState.h"
#include "support/FakeDialogs.h"
#include "support/ResultsGenerator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace trelon;
using namespace trelon::test;

namespace {

class RezultFormTest : public ::testing::Test {
protected:
    // A patient with two sessions of every procedure.
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.paths.ProgramDir = dir.path() + QLatin1Char('/');
        state.paths.ResultsFilePath = dir.filePath(QStringLiteral("1.dat"));
        QFile file(state.paths.ResultsFilePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(generatedResultsFile(16, 1, QStringLiteral("Иванов")));
        file.close();
        state.session.PatientNumber = 1;
        state.session.PatientName = QStringLiteral("Иванов");
        state.session.IsDiagnostics = 0;
        state.session.ProcedureNumber = 1;
    }

    QTemporaryDir dir;
    SharedState state;
    FakeDialogs dialogs;
};

} // namespace

TEST_F(RezultFormTest, EveryControlIsReachableWithTheGraphShown) {
    // Set TRELON_SCREENSHOTS to a folder to keep a picture of each screen checked.
    const QString shots = qEnvironmentVariable("TRELON_SCREENSHOTS");
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024)}) {
        TFormRezult screen(state, dialogs);
        screen.resize(size);
        screen.show();
        for (int kind = 2; kind <= 8; ++kind) { // every procedure with a graph
            const auto procedure = static_cast<ProcedureKind>(kind);
            screen.RadioGroupDiagTrenClick(isDiagnostics(procedure) ? 0 : 1);
            // As the operator picks it: the list shows the item, then reports it.
            screen.findChild<QComboBox*>()->setCurrentIndex(procedureNumberOf(procedure) - 1);
            screen.ComboBoxExpChange(procedureNumberOf(procedure) - 1);
            if (!screen.graphShown()) {
                screen.BitBtnGraphClick();
            }
            ASSERT_TRUE(screen.graphShown());
            SCOPED_TRACE(testing::Message() << size.width() << " procedure " << kind);
            const auto name = [](QWidget* w) {
                const auto* button = qobject_cast<QAbstractButton*>(w);
                return (button ? button->text() : w ? w->objectName() : QString()).toStdString();
            };
            int checked = 0;
            for (QWidget* control : screen.findChildren<QWidget*>()) {
                const bool operated = qobject_cast<QAbstractButton*>(control) != nullptr ||
                                      qobject_cast<QComboBox*>(control) != nullptr;
                if (!operated || !control->isVisibleTo(&screen)) {
                    continue;
                }
                // Whole on the screen, and its middle answers the mouse.
                const QRect place(control->mapTo(&screen, QPoint(0, 0)), control->size());
                EXPECT_TRUE(screen.rect().contains(place)) << name(control);
                QWidget* hit = screen.childAt(place.center());
                EXPECT_TRUE(hit == control || control->isAncestorOf(hit))
                    << name(control) << " under " << name(hit);
                ++checked;
            }
            EXPECT_GT(checked, 10);
            if (!shots.isEmpty()) {
                screen.grab().save(QStringLiteral("%1/results-%2x%3-%4.png")
                                       .arg(shots)
                                       .arg(size.width())
                                       .arg(size.height())
                                       .arg(kind));
            }
        }
    }
}

TEST_F(RezultFormTest, CtrlWithTheKeypadDeleteDeletesTheSelectedSession) {
    TFormRezult screen(state, dialogs);
    screen.resize(1024, 768);
    screen.show();
    ASSERT_EQ(screen.grid()->rowCount(), 2); // two sessions
    screen.grid()->setFocus();
    screen.grid()->selectRow(1);
    dialogs.confirmAnswers.push_back(true);
    QTest::keyClick(screen.grid(), Qt::Key_Delete, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(dialogs.confirmations, QStringList{state.texts.DeleteSelectedQuestion});
    EXPECT_EQ(screen.grid()->rowCount(), 1);
    EXPECT_EQ(QFile(state.paths.ResultsFilePath).size(), 15 * kResultRecordSize);
}
