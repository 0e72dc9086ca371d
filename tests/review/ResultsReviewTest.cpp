// The results screen's logic over a real results file: the shown procedure, filters that
// survive a procedure change, deletion and the printed graph's settings.
#include "review/ResultsReview.h"
#include "results/ResultsTestFiles.h"
#include "state/SharedState.h"
#include "state/SharedTexts.h"
#include "support/FakeDialogs.h"
#include "support/ResultsGenerator.h"
#include "support/TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace trelon;
using namespace trelon::test;

namespace {

class ResultsReviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSharedTexts(state.texts);
        state.paths.ProgramDir = dir.path() + QLatin1Char('/');
        state.paths.DataDir = state.paths.ProgramDir;
        state.paths.ResultsFilePath = dir.filePath(QStringLiteral("5.dat"));
        state.session.PatientNumber = 5;
        state.session.PatientName = QStringLiteral("Ковалёва");
        // 24 sessions: three of each procedure, procedure i % 8 at position i.
        ASSERT_TRUE(writeRawFile(state.paths.ResultsFilePath,
                                 generatedResultsFile(24, 5, QStringLiteral("Ковалёва"))));
    }
    std::vector<int> positions() const {
        std::vector<int> list;
        for (const ResultsRow& row : review.table().rows) {
            list.push_back(row.position);
        }
        return list;
    }

    QTemporaryDir dir;
    SharedState state;
    FakeDialogs dialogs;
    ResultsReview review{state, dialogs};
};

using Positions = std::vector<int>;

} // namespace

TEST_F(ResultsReviewTest, OpeningStartsWithDiagnosticsOneAndAMissingFileCloses) {
    state.SessionAborted = true;
    ASSERT_TRUE(review.open());
    EXPECT_FALSE(state.SessionAborted);
    EXPECT_EQ(review.procedure(), ProcedureKind::DiagCvetotest);
    EXPECT_EQ(positions(), (Positions{17, 9, 1}));
    ASSERT_TRUE(review.chooseGroup(false));
    EXPECT_EQ(state.session.IsDiagnostics, 0);
    EXPECT_EQ(review.caption(), QStringLiteral("Результаты тренировки - Ликвидация скотомы"));

    QFile::remove(state.paths.ResultsFilePath);
    EXPECT_FALSE(review.chooseProcedure(2));
}

TEST_F(ResultsReviewTest, UniformModeOfTrenKosoglDoesNotHideTrenBificsSessions) {
    state.session.IsDiagnostics = 0;
    state.session.ProcedureNumber = 2;
    ASSERT_TRUE(review.open());
    review.filters().trenKosoglMode = 5; // "Равномерный": WorkMode 2 only (the third day)
    review.refill();
    EXPECT_EQ(positions(), (Positions{22}));
    ASSERT_TRUE(review.chooseProcedure(3));
    EXPECT_EQ(positions(), (Positions{23, 15, 7}));
}

TEST_F(ResultsReviewTest, DeletingOneRowRemovesExactlyThatSessionAndRenumbersTheRest) {
    ASSERT_TRUE(review.open());
    ASSERT_TRUE(review.chooseProcedure(2)); // DiagKosogl at positions 2, 10, 18
    dialogs.confirmAnswers = {false};
    EXPECT_FALSE(review.deleteRows(2, 2));
    EXPECT_EQ(readRawFile(state.paths.ResultsFilePath).size(), 24 * kResultRecordSize);

    const QByteArray before = readRawFile(state.paths.ResultsFilePath);
    EXPECT_TRUE(review.deleteRows(2, 2)); // the session at position 10
    EXPECT_EQ(dialogs.confirmations.last(), QStringLiteral("Удалить выделенные данные?"));
    EXPECT_EQ(readRawFile(state.paths.ResultsFilePath),
              QByteArray(before.left(9 * kResultRecordSize) + before.mid(10 * kResultRecordSize)));
    EXPECT_EQ(positions(), (Positions{17, 2}));
}

// A second results screen on the same patient deletes the oldest session first: the rows this
// screen shows no longer sit where it read them, so nothing is deleted, the table is read
// again and the operator told.
TEST_F(ResultsReviewTest, RowsChangedByAnotherScreenAreNotDeletedAndTheTableIsReadAgain) {
    FakeDialogs otherDialogs;
    ResultsReview other{state, otherDialogs};
    ASSERT_TRUE(review.open());
    ASSERT_TRUE(other.open());
    ASSERT_TRUE(other.deleteRows(3, 3)); // position 1, the oldest
    const QByteArray afterOther = readRawFile(state.paths.ResultsFilePath);

    EXPECT_FALSE(review.deleteRows(2, 2)); // read at position 9, now at 8
    EXPECT_EQ(readRawFile(state.paths.ResultsFilePath), afterOther);
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(positions(), (Positions{16, 8}));
    EXPECT_TRUE(review.deleteRows(2, 2)); // read again: the same session goes now
    EXPECT_EQ(positions(), (Positions{15}));
}

TEST_F(ResultsReviewTest, ATornFileListsItsWholeRecordsAndDeletionWritesOnlyWholeOnes) {
    QFile file(state.paths.ResultsFilePath);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(100, '\x01'));
    file.close();
    ASSERT_TRUE(review.open());
    EXPECT_EQ(positions(), (Positions{17, 9, 1}));
    EXPECT_TRUE(review.deleteRows(1, 3));
    EXPECT_EQ(storedRecords(state.paths.ResultsFilePath).size(), 21u);
    EXPECT_EQ(review.table().rowCount(), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ResultsReviewTest, GraphSettingsApplyToTheSessionOrGoToClassIniAlone) {
    review.applyGraphSettings({45, 60, 25, 11, 9});
    EXPECT_DOUBLE_EQ(state.settings.WidthLine1, 0.045);
    EXPECT_EQ(state.settings.SizeFontY, 9);

    review.writeGraphSettings({50, 70, 30, 12, 14});
    EXPECT_DOUBLE_EQ(state.settings.WidthLine1, 0.045); // not made current
    const QByteArray ini = readRawFile(dir.filePath(QStringLiteral("Class.ini")));
    for (const char* line :
         {"WidthLine1=50", "WidthLine2=70", "WidthLine3=30", "SizeFontX=12", "SizeFontY=14"}) {
        EXPECT_TRUE(ini.contains(line)) << line;
    }
}
