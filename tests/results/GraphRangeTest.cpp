// The graph's value range over damaged records: a huge or non-numeric value must neither
// stretch the axis to millions of tick labels nor reach a conversion to int.
#include "results/ResultsGraph.h"
#include "results/ResultsGraphDraw.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace trelon;

TEST(GraphRangeTest, DamagedValuesKeepTheAxisBoundedAndThePointsDrawable) {
    const double values[] = {1e6, std::numeric_limits<double>::quiet_NaN(), -1e300, 3};
    std::vector<StoredRecord> records;
    for (int i = 0; i < 4; ++i) {
        ResultRecord r;
        r.IsDiagnostics = 1;
        r.ProcedureNumber = static_cast<std::uint16_t>(procedureNumberOf(ProcedureKind::DiagFuzia));
        r.ValueX = values[i];
        r.ObjectNumber = 1;
        r.SessionDate = 46363 - i;
        records.push_back({3 - i, r});
    }
    const GraphData graph =
        BuildGraphData(FillResultsTable(ProcedureKind::DiagFuzia, records, 0, {}), {});
    ASSERT_EQ(graph.count(), 4);
    for (const GraphPoint& point : graph.points) {
        EXPECT_TRUE(std::isfinite(point.first) && std::abs(point.first) <= 360) << point.first;
    }
    const AxisBounds screen = ScreenAxisBounds(graph.rangeMin, graph.rangeMax);
    EXPECT_LE(screen.units(), 722);
    EXPECT_LE(PrintAxisBounds(graph.rangeMin, graph.rangeMax).units(), 722);
    EXPECT_LE(ScreenAxisBounds(std::numeric_limits<double>::infinity(), -1e9).units(), 722);

    QImage image(600, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    const GraphPointTable drawn = DrawResultsGraph(painter, image.size(), graph);
    for (int row = 1; row <= 4; ++row) { // every row is placed on the image, damaged ones too
        EXPECT_TRUE(drawn[row].x >= 0 && drawn[row].y >= 0 && drawn[row].y <= 300) << row;
    }
}
