// The screen graph: rows, range, ticks, point positions, markers and the date read-out.
#include "results/ResultsGraph.h"
#include "results/ResultsGraphDraw.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace trelon;

namespace {

// A table of the procedure whose rows (newest first) carry the given values.
ResultsTable tableOf(ProcedureKind procedure, const std::vector<double>& newestFirst,
                     const std::vector<int>& objectNumbers = {}) {
    std::vector<StoredRecord> records;
    for (std::size_t i = 0; i < newestFirst.size(); ++i) {
        ResultRecord r;
        r.IsDiagnostics = isDiagnostics(procedure) ? 1 : 0;
        r.ProcedureNumber = static_cast<std::uint16_t>(procedureNumberOf(procedure));
        r.ValueX = newestFirst[i];
        r.ValueY = newestFirst[i] / 2;
        r.ObjectNumber = static_cast<std::uint16_t>(objectNumbers.empty() ? 1 : objectNumbers[i]);
        r.SessionDate = 46363 - static_cast<double>(i);
        records.push_back({static_cast<int>(newestFirst.size() - 1 - i), r});
    }
    return FillResultsTable(procedure, records, 0, {});
}

struct Drawn {
    QImage image{600, 300, QImage::Format_RGB32};
    GraphPointTable points;
    explicit Drawn(const GraphData& graph) {
        QPainter painter(&image);
        points = DrawResultsGraph(painter, image.size(), graph);
    }
};

} // namespace

TEST(ResultsGraphTest, AxisBoundsEncloseTheValuesInWholeUnits) {
    const GraphData graph = BuildGraphData(tableOf(ProcedureKind::DiagFuzia, {7.2, 2.5, 4}), {});
    EXPECT_DOUBLE_EQ(graph.rangeMin, 2.5);
    EXPECT_DOUBLE_EQ(graph.rangeMax, 7.2);
    const AxisBounds bounds = ScreenAxisBounds(graph.rangeMin, graph.rangeMax);
    EXPECT_EQ(bounds.lower, 2);
    EXPECT_EQ(bounds.upper, 8);
    // Six units over the 235 pixels from y 25 to the axis at 300 - 40: value 4 (row 3) lies
    // two units, 78 pixels, above the axis; the tick of 6 is 157 pixels above it.
    const Drawn drawn(graph);
    EXPECT_EQ(drawn.points[3].y, 260 - 78);
    EXPECT_EQ(drawn.image.pixelColor(17, 260 - 157), QColor(Qt::black));
    EXPECT_EQ(drawn.image.pixelColor(17, 260 - 156), QColor(Qt::white));

    EXPECT_EQ(ScreenAxisBounds(-3.5, 0).lower, -4);
    EXPECT_EQ(ScreenAxisBounds(-3.5, 0).upper, 4);
    EXPECT_EQ(ScreenAxisBounds(0, 0).units(), 1); // every value 0 still has a scale
    EXPECT_EQ(PrintAxisBounds(-10, 9.5).lower, -11);
}

TEST(ResultsGraphTest, SessionsRunFromTheOldestAtTheLeftAndTheReadOutFollowsThePointer) {
    const Drawn drawn(BuildGraphData(tableOf(ProcedureKind::DiagKosogl, {3, 2, 1}), {}));
    EXPECT_EQ(drawn.points[3].x, 20);  // oldest
    EXPECT_EQ(drawn.points[1].x, 120); // newest, 50 px per session
    EXPECT_EQ(drawn.points[1].date, QStringLiteral("12.7.26"));
    EXPECT_EQ(drawn.points[4].x, -1);

    const auto near = GraphReadOutAt(drawn.points, 3, 134);
    ASSERT_TRUE(near.has_value());
    EXPECT_EQ(near->text, QStringLiteral("12.7.26"));
    EXPECT_EQ(near->left, 120);
    EXPECT_EQ(near->top, drawn.points[1].y - 15);
    EXPECT_FALSE(GraphReadOutAt(drawn.points, 3, 135).has_value()); // 15 px away
    EXPECT_FALSE(GraphReadOutAt(drawn.points, 2, 20).has_value());  // beyond the listed rows
}

TEST(ResultsGraphTest, AMultiRowSelectionPlotsOnlyItsRows) {
    const ResultsTable table = tableOf(ProcedureKind::DiagKosogl, {7, 6, 5, 4, 3, 2, 1});
    const GraphData graph = BuildGraphData(table, {}, 5, 3);
    EXPECT_EQ(graph.firstRow, 3);
    EXPECT_EQ(graph.lastRow, 5);
    ASSERT_EQ(graph.count(), 3);
    EXPECT_DOUBLE_EQ(graph.rangeMin, 1.5); // the second series of row 5
    EXPECT_EQ(ScreenGraphStep(graph, 600), 50);
    EXPECT_EQ(BuildGraphData(table, {}, 4, 4).count(), 7); // one selected row: all rows
}

TEST(ResultsGraphTest, ReserveMarkersAreBlueForNegativeReservesAndLegendsFollowTheChoice) {
    ResultsFilters filters;
    const GraphData reserves =
        BuildGraphData(tableOf(ProcedureKind::DiagFuzia, {3, 2, 1}, {1, 2, 1}), filters);
    EXPECT_FALSE(reserves.twoSeries);
    EXPECT_EQ(reserves.points[1].blueMarker, true);
    EXPECT_EQ(reserves.points[0].blueMarker, false);
    EXPECT_EQ(reserves.legendSecond, QStringLiteral("отрицательные резервы"));
    filters.fuzType = 5; // "Границы нескрещенные"
    const GraphData limits = BuildGraphData(tableOf(ProcedureKind::DiagFuzia, {3}, {4}), filters);
    EXPECT_EQ(limits.printTitle, QStringLiteral("Границы фузии"));
    EXPECT_EQ(limits.printLegendFirst, QString());
    EXPECT_EQ(limits.printLegendSecond, QStringLiteral("Границы фузии нескрещенные"));
}

TEST(ResultsGraphTest, MoreThanAThousandSessionsDrawWithoutOverrunningThePointTable) {
    const Drawn drawn(
        BuildGraphData(tableOf(ProcedureKind::TrenCvetotest, std::vector<double>(1200, 1.0)), {}));
    EXPECT_EQ(drawn.points.size(), static_cast<std::size_t>(kGraphPointEntries + 1));
    EXPECT_NE(drawn.points[1000].x, -1);
    EXPECT_TRUE(GraphReadOutAt(drawn.points, 1200, 20).has_value());
}
