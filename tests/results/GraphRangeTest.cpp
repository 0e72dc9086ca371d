// Damaged records on the graph: a huge or non-numeric value neither stretches the axis to
// millions of tick labels nor reaches a conversion to int.
#include "results/ResultsGraph.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace trelon;

TEST(GraphRangeTest, DamagedValuesKeepTheAxisAndThePointsBounded) {
    std::vector<StoredRecord> records;
    for (const double value : {1e6, std::nan(""), -1e300, 3.0}) {
        ResultRecord r;
        r.IsDiagnostics = 1;
        r.ProcedureNumber = static_cast<std::uint16_t>(procedureNumberOf(ProcedureKind::DiagFuzia));
        r.ValueX = value;
        r.ObjectNumber = 1;
        r.SessionDate = 46363;
        records.push_back({static_cast<int>(records.size()), r});
    }
    const GraphData g =
        BuildGraphData(FillResultsTable(ProcedureKind::DiagFuzia, records, 0, {}), {});
    ASSERT_EQ(g.count(), 4);
    for (const GraphPoint& point : g.points) {
        EXPECT_TRUE(std::isfinite(point.first) && std::abs(point.first) <= 360) << point.first;
    }
    EXPECT_LE(ScreenAxisBounds(g.rangeMin, g.rangeMax).units(), 722);
    EXPECT_LE(PrintAxisBounds(g.rangeMin, g.rangeMax).units(), 722);
}
