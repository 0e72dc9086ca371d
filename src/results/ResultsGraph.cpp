#include "results/ResultsGraph.h"

#include "common/Rounding.h"
#include "results/ResultsFormat.h"

#include <algorithm>
#include <cmath>

namespace trelon {

namespace {

// The largest magnitude a plotted value or axis bound takes. Stored values are angles well
// inside it; a damaged record's huge value is drawn at the edge, so the axis keeps at most
// 2 * kValueLimit + 2 tick labels instead of millions.
constexpr double kValueLimit = 360;

// A value as plotted: a finite value kept within the limit; a value that is not a number at
// all (a damaged record) as 0, never reaching a conversion to int.
double plotted(double value) {
    return std::isfinite(value) ? std::clamp(value, -kValueLimit, kValueLimit) : 0.0;
}

int truncated(double value) {
    return static_cast<int>(std::trunc(plotted(value)));
}

AxisBounds atLeastOneUnit(AxisBounds bounds) {
    // Every value 0 (or one value only) leaves no range: one unit keeps the scale defined.
    if (bounds.upper <= bounds.lower) {
        bounds.upper = bounds.lower + 1;
    }
    return bounds;
}

} // namespace

GraphData BuildGraphData(const ResultsTable& table, const ResultsFilters& filters, int selectionTop,
                         int selectionBottom) {
    GraphData g;
    g.procedure = table.procedure;
    g.gridRows = std::max(table.rowCount(), 1) + 1;
    const ResultsFormat& format = resultsFormatOf(table.procedure);
    g.twoSeries = format.twoSeries;
    g.reserveMarkers = format.reserveMarkers;
    g.directionsLabelled = format.directionsLabelled;
    const GraphLegend screen = format.screenLegend(filters);
    const GraphLegend printed = format.printLegend(filters);
    g.legendFirst = screen.first;
    g.legendSecond = screen.second;
    g.printLegendFirst = printed.first;
    g.printLegendSecond = printed.second;
    g.printTitle = format.printTitle(filters);
    if (table.rows.empty()) {
        return g;
    }
    const int top = std::max(1, std::min(selectionTop, selectionBottom));
    const int bottom = std::min(table.rowCount(), std::max(selectionTop, selectionBottom));
    g.rangeSelected = bottom > top;
    g.firstRow = g.rangeSelected ? top : 1;
    g.lastRow = g.rangeSelected ? bottom : table.rowCount();
    const int valueColumn = table.columnCount() - 3; // the type text stands right of it
    for (int row = g.firstRow; row <= g.lastRow; ++row) {
        const ResultsRow& source = table.rows[static_cast<std::size_t>(row - 1)];
        const RowValues values = format.rowValues(source.record, filters);
        for (double v : values.range) {
            if (std::isfinite(v)) { // a damaged value does not stretch the axis
                g.rangeMin = std::min(g.rangeMin, plotted(v));
                g.rangeMax = std::max(g.rangeMax, plotted(v));
            }
        }
        GraphPoint point;
        point.row = row;
        point.first = plotted(values.first);
        point.second = plotted(values.second);
        point.date = source.cells.value(1);
        const QString type = source.cells.value(valueColumn + 1);
        point.blueMarker =
            g.reserveMarkers && (type == QStringLiteral("Р-") || type == QStringLiteral("Гр"));
        if (g.directionsLabelled) {
            point.direction = source.cells.value(table.columnCount() - 2).trimmed();
        }
        g.points.push_back(point);
    }
    return g;
}

AxisBounds ScreenAxisBounds(double rangeMin, double rangeMax) {
    AxisBounds b;
    b.lower = rangeMin < 0 ? truncated(rangeMin) - 1 : truncated(rangeMin);
    if (rangeMax < 0) {
        b.upper = truncated(rangeMax);
    } else if (rangeMax > 0) {
        b.upper = truncated(rangeMax) + 1;
    } else {
        b.upper = static_cast<int>(roundHalfEven(-plotted(rangeMin)));
    }
    return atLeastOneUnit(b);
}

AxisBounds PrintAxisBounds(double rangeMin, double rangeMax) {
    AxisBounds b;
    b.lower = rangeMin != 0 ? truncated(rangeMin) - 1 : 0;
    b.upper = rangeMax != 0 ? truncated(rangeMax) + 1
                            : static_cast<int>(roundHalfEven(-plotted(rangeMin)));
    return atLeastOneUnit(b);
}

int ScreenGraphStep(const GraphData& graph, int imageWidth) {
    if (graph.rangeSelected) {
        const int span = graph.lastRow - graph.firstRow;
        return span < 8 ? 50 : (imageWidth - 20) / (span + 1);
    }
    return graph.gridRows <= 7 ? 50 : (imageWidth - 20) / graph.gridRows;
}

} // namespace trelon
