// The results screen on the offscreen platform: every control reachable with the graph shown,
// and the deletion keys.
#include "screens/RezultForm.h"
#include "state/SharedState.h"
#include "support/FakeDialogs.h"
#include "support/ResultsGenerator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

using namespace trelon;

TEST(RezultFormTest, EveryControlIsReachableWithTheGraphShownAndKeypadDeleteDeletes) {
    QTemporaryDir dir;
    SharedState state;
    test::FakeDialogs dialogs;
    state.paths.ResultsFilePath = dir.filePath(QStringLiteral("1.dat"));
    QFile file(state.paths.ResultsFilePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(test::generatedResultsFile(16, 1, QStringLiteral("Иванов"))); // 2 per procedure
    file.close();
    state.session.PatientNumber = 1;
    state.session.ProcedureNumber = 1;
    for (const QSize size : {QSize(1024, 768), QSize(1280, 1024)}) {
        TFormRezult screen(state, dialogs);
        screen.resize(size);
        screen.show();
        for (int kind = 2; kind <= 8; ++kind) { // every procedure with a graph, as picked
            const auto procedure = static_cast<ProcedureKind>(kind);
            screen.RadioGroupDiagTrenClick(isDiagnostics(procedure) ? 0 : 1);
            screen.findChild<QComboBox*>()->setCurrentIndex(procedureNumberOf(procedure) - 1);
            screen.ComboBoxExpChange(procedureNumberOf(procedure) - 1);
            if (!screen.graphShown()) {
                screen.BitBtnGraphClick();
            }
            for (QWidget* control : screen.findChildren<QWidget*>()) {
                auto* button = qobject_cast<QAbstractButton*>(control);
                if ((button || qobject_cast<QComboBox*>(control)) &&
                    control->isVisibleTo(&screen)) {
                    // Whole on the screen, and its middle answers the mouse.
                    const QRect at(control->mapTo(&screen, QPoint(0, 0)), control->size());
                    QWidget* hit = screen.childAt(at.center());
                    EXPECT_TRUE(screen.rect().contains(at) &&
                                (hit == control || control->isAncestorOf(hit)))
                        << size.width() << " " << kind << " "
                        << (button ? button->text() : control->objectName()).toStdString();
                }
            }
        }
    }
    TFormRezult screen(state, dialogs);
    screen.resize(1024, 768);
    screen.show();
    ASSERT_EQ(screen.grid()->rowCount(), 2);
    const auto labels = screen.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
        return label->text() == screen.review().patientLabel(); // whole when it fits
    }));
    screen.grid()->selectRow(1);
    QTest::keyClick(screen.grid(), Qt::Key_Delete, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(screen.grid()->rowCount(), 1);
    EXPECT_EQ(QFile(state.paths.ResultsFilePath).size(), 15 * kResultRecordSize);
}
