// Every procedure's results format, run over a results file holding sessions of all eight:
// its columns agree in count and every cell reads, each filter item lists the sessions its
// caption names, and each graphed procedure plots every listed session.
#include "registry/ProcedureRegistry.h"
#include "results/ResultsGraph.h"
#include "support/ResultsGenerator.h"

#include <gtest/gtest.h>

using namespace trelon;

namespace {

// The cells the rows listed under an item may show, by the item's caption. An item missing
// here lists every session of its procedure.
const std::vector<std::pair<QString, QStringList>> kItemCells = {
    {QStringLiteral("Резервы все"), {QStringLiteral("Р+"), QStringLiteral("Р-")}},
    {QStringLiteral("Резервы положительные"), {QStringLiteral("Р+")}},
    {QStringLiteral("Резервы отрицательные"), {QStringLiteral("Р-")}},
    {QStringLiteral("Границы все"), {QStringLiteral("ГрХ"), QStringLiteral("Гр")}},
    {QStringLiteral("Границы скрещенные"), {QStringLiteral("ГрХ")}},
    {QStringLiteral("Границы нескрещенные"), {QStringLiteral("Гр")}},
    {QStringLiteral("Ручной"), {QStringLiteral("Рч.")}},
    {QStringLiteral("Ручной по X  (на граф.)"), {QStringLiteral("Рч.")}},
    {QStringLiteral("Ручной по Y  (на граф.)"), {QStringLiteral("Рч.")}},
    {QStringLiteral("С  паузами"), {QStringLiteral("Пз")}},
    {QStringLiteral("Равномерный"), {QStringLiteral("Рвн.")}},
};

std::vector<StoredRecord> generatedNewestFirst() {
    std::vector<StoredRecord> records;
    for (int i = 159; i >= 0; --i) {
        records.push_back({i, test::generatedResult(i, 3, QStringLiteral("Ковалёва"))});
    }
    return records;
}

} // namespace

TEST(ResultsFormatsTest, EveryProcedureListsFiltersAndPlotsItsSessions) {
    const std::vector<StoredRecord> records = generatedNewestFirst();
    QStringList listNames = ResultsProcedureNames(true) + ResultsProcedureNames(false);
    for (const ProcedureEntry& entry : procedureEntries()) {
        const ResultsFormat& format = entry.results;
        SCOPED_TRACE(format.captionName.toStdString());
        EXPECT_EQ(format.kind, entry.kind);
        // The results and set-up layers look their entries up by kind: the same as the line's.
        EXPECT_EQ(&resultsFormatOf(entry.kind), &format);
        EXPECT_EQ(&setupRowOf(entry.kind), &entry.setup);
        EXPECT_EQ(format.listName, listNames.takeFirst());
        EXPECT_FALSE(format.exportName.isEmpty());

        const ResultsTable table = FillResultsTable(entry.kind, records, 3, {});
        ASSERT_GT(table.rowCount(), 0);
        const std::vector<int> widths = ResultsColumnWidths(entry.kind, 1000);
        EXPECT_EQ(static_cast<int>(widths.size()), table.columnCount());
        for (const ResultsRow& row : table.rows) {
            EXPECT_EQ(procedureKindOf(row.record), entry.kind);
            ASSERT_EQ(row.cells.size(), table.columnCount());
            for (const QString& cell : row.cells) {
                EXPECT_FALSE(cell.trimmed().isEmpty()) << row.cells.join(u'|').toStdString();
            }
        }
        for (int width : widths) {
            EXPECT_GT(width, 0);
        }

        // Each item of the choice lists the sessions its caption names, none of another kind.
        const int choices = format.choice ? static_cast<int>(format.choice->items.size()) : 0;
        for (int item = 0; item < choices; ++item) {
            ResultsFilters filters;
            filters.*format.choice->field = item;
            const ResultsTable listed = FillResultsTable(entry.kind, records, 3, filters);
            const QString caption = format.choice->items[item];
            const auto meaning = std::find_if(kItemCells.begin(), kItemCells.end(),
                                              [&](const auto& m) { return m.first == caption; });
            if (meaning == kItemCells.end()) {
                EXPECT_EQ(listed.rowCount(), table.rowCount()) << caption.toStdString();
                continue;
            }
            EXPECT_GT(listed.rowCount(), 0) << caption.toStdString();
            for (const ResultsRow& row : listed.rows) {
                const bool named =
                    std::any_of(meaning->second.begin(), meaning->second.end(),
                                [&](const QString& c) { return row.cells.contains(c); });
                EXPECT_TRUE(named)
                    << caption.toStdString() << ": " << row.cells.join(u'|').toStdString();
            }
        }
        // Direction items 1..8 list the sessions trained in the direction they name.
        for (int item = 1; format.offersDirectionFilter && item <= 8; ++item) {
            ResultsFilters filters;
            filters.direction = item;
            const ResultsTable listed = FillResultsTable(entry.kind, records, 3, filters);
            EXPECT_GT(listed.rowCount(), 0);
            for (const ResultsRow& row : listed.rows) {
                EXPECT_EQ(row.cells[table.columnCount() - 2].trimmed().toInt(), (item - 1) * 45);
            }
        }

        const GraphData graph = BuildGraphData(table, {});
        if (!format.graphed) {
            continue;
        }
        EXPECT_EQ(graph.count(), table.rowCount());
        EXPECT_FALSE(graph.printTitle.isEmpty());
        EXPECT_LE(graph.rangeMin, graph.rangeMax);
        if (format.twoSeries) {
            EXPECT_FALSE(graph.legendSecond.isEmpty());
            EXPECT_FALSE(graph.printLegendSecond.isEmpty());
        }
    }
}
