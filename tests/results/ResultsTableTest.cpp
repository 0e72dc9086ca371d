// The results table: which sessions are listed, how they are numbered and written.
#include "results/ResultsTable.h"
#include "results/SessionDate.h"
#include "support/ResultsGenerator.h"

#include <gtest/gtest.h>

using namespace trelon;

namespace {

// Stored records given oldest first, returned newest first as the file is read.
std::vector<StoredRecord> newestFirst(const std::vector<ResultRecord>& oldestFirst) {
    std::vector<StoredRecord> stored;
    for (int i = static_cast<int>(oldestFirst.size()) - 1; i >= 0; --i) {
        stored.push_back({i, oldestFirst[static_cast<std::size_t>(i)]});
    }
    return stored;
}

ResultRecord session(ProcedureKind procedure, double distance, double valueX = 1) {
    ResultRecord r;
    r.PatientNumber = 4;
    r.IsDiagnostics = isDiagnostics(procedure) ? 1 : 0;
    r.ProcedureNumber = static_cast<std::uint16_t>(procedureNumberOf(procedure));
    r.DistanceCm = distance;
    r.ValueX = valueX;
    r.ContrastLevel = 1;
    r.SessionDate = 46363; // 7 December 2026
    return r;
}

QStringList column(const ResultsTable& table, int c) {
    QStringList cells;
    for (const ResultsRow& row : table.rows) {
        cells << row.cells[c];
    }
    return cells;
}

} // namespace

TEST(ResultsTableTest, DistanceFilterListsEveryDistanceUnderAllAndOnlyTheCheckedOnesOtherwise) {
    const auto records = newestFirst(
        {session(ProcedureKind::DiagKosogl, 50, 1), session(ProcedureKind::DiagKosogl, 100, 2),
         session(ProcedureKind::DiagKosogl, 150, 3), session(ProcedureKind::DiagKosogl, 500, 4)});
    ResultsFilters filters;
    filters.distances[1] = true; // "1 м"; ignored while "все" is checked
    auto values = [&] {
        return column(FillResultsTable(ProcedureKind::DiagKosogl, records, 4, filters), 6);
    };
    EXPECT_EQ(values(), (QStringList{QStringLiteral("  4"), QStringLiteral("  3"),
                                     QStringLiteral("  2"), QStringLiteral("  1")}));
    filters.allDistances = false;
    // 150 cm has no box and stays listed.
    EXPECT_EQ(values(), (QStringList{QStringLiteral("  3"), QStringLiteral("  2")}));
    filters.distances = {};
    EXPECT_EQ(values(), QStringList{QStringLiteral("  3")});
}

TEST(ResultsTableTest, RowsAreNumberedFromTheCountDownWhateverTheirPositions) {
    std::vector<ResultRecord> records;
    for (int i = 0; i < 7; ++i) {
        records.push_back(
            session(i % 2 ? ProcedureKind::DiagFuzia : ProcedureKind::DiagKosogl, 100, i));
    }
    records[4].PatientNumber = 9; // another patient's session in the same file
    const ResultsTable table =
        FillResultsTable(ProcedureKind::DiagKosogl, newestFirst(records), 4, {});
    EXPECT_EQ(column(table, 0),
              (QStringList{QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_EQ(column(table, 8),
              (QStringList{QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("1")}));
    EXPECT_EQ(table.rows[0].cells[1], QStringLiteral("12.7.26"));
}

TEST(ResultsTableTest, CellsKeepTheirPrefixesAndScotomaExtentsLoseTheirSign) {
    ResultRecord scotoma = session(ProcedureKind::DiagScotoma, 100);
    scotoma.DirectionValues = {-2.5, 3, -0.0, 4, 1, -1.25, 2, 3};
    ResultsTable table =
        FillResultsTable(ProcedureKind::DiagScotoma, newestFirst({scotoma}), 4, {});
    EXPECT_EQ(table.rows[0].cells.mid(2),
              (QStringList{QStringLiteral("  100"), QStringLiteral("Первая"), QStringLiteral("2,5"),
                           QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("4"),
                           QStringLiteral("1"), QStringLiteral("1,25"), QStringLiteral("2"),
                           QStringLiteral("3"), QStringLiteral("1")}));

    ResultRecord kosogl = session(ProcedureKind::TrenKosogl, 200, -1.5);
    kosogl.WorkMode = 2;
    kosogl.ObjectSize = 1.3;
    table = FillResultsTable(ProcedureKind::TrenKosogl, newestFirst({kosogl}), 4, {});
    EXPECT_EQ(
        table.rows[0].cells.mid(2, 6),
        (QStringList{QStringLiteral("  1,3"), QStringLiteral("  200"), QStringLiteral("Первая"),
                     QString(), QStringLiteral("Рвн."), QStringLiteral(" -1,5")}));
}

TEST(ResultsTableTest, ColourTestUnderSwappedFiltersNamesTheEyeAndSquintAsTheScreenDid) {
    ResultRecord convergent = session(ProcedureKind::DiagCvetotest, 100, 4);
    convergent.FilterPosition = 2;
    ResultRecord rightEye = session(ProcedureKind::DiagCvetotest, 100, 1);
    rightEye.FilterPosition = 2;
    const ResultsTable table =
        FillResultsTable(ProcedureKind::DiagCvetotest, newestFirst({convergent, rightEye}), 4, {});
    EXPECT_EQ(column(table, 5),
              (QStringList{QStringLiteral("  Монокулярное зрение, ведущий левый"),
                           QStringLiteral("  Одновременное зрение, сходящееся косоглазие")}));
}

TEST(ResultsTableTest, RowsAndFontNeverFallBelowReadableSizes) {
    EXPECT_EQ(ResultsGridMetrics(0.02).rowHeight, 14); // the default kp 2
    EXPECT_EQ(ResultsGridMetrics(0.02).fontPoints, 8);
    EXPECT_EQ(ResultsGridMetrics(1.33).rowHeight, 14);
    EXPECT_EQ(ResultsGridMetrics(3.0).rowHeight, 32);
    EXPECT_EQ(ResultsGridMetrics(3.0).fontPoints, 18);
}
