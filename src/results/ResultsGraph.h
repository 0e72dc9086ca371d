#pragma once
// The graph of the listed sessions, computed from the results table: which rows, which
// series, the value range, the legend texts and the screen's axis bounds and step.
#include "results/ResultsTable.h"

#include <QString>
#include <vector>

namespace trelon {

// One plotted session.
struct GraphPoint {
    int row = 0;             // grid row (1 = newest listed session)
    double first = 0;        // value of the first (red) series
    double second = 0;       // value of the second (green) series, when there is one
    bool blueMarker = false; // negative reserve or uncrossed limit
    QString date;            // the row's date text
    QString direction;       // the direction cell, where the graph labels directions
};

struct GraphData {
    ProcedureKind procedure = ProcedureKind::DiagKosogl;
    int firstRow = 1; // FirstRow..LastRow: grid rows taken into the graph
    int lastRow = 0;
    bool rangeSelected = false; // the rows are a multi-row selection of the grid
    int gridRows = 2;           // rows of the grid, title row included
    bool twoSeries = false;
    bool reserveMarkers = false;     // red and blue circles (the two reserve procedures)
    bool directionsLabelled = false; // points carry their direction and printed row number
    std::vector<GraphPoint> points;  // rows firstRow..lastRow, top row first
    double rangeMin = 360;           // over the plotted columns (and the range-only ones)
    double rangeMax = -360;
    QString legendFirst; // screen legend
    QString legendSecond;
    QString printLegendFirst; // printed legend
    QString printLegendSecond;
    QString printTitle; // printed graph's title

    int count() const { return static_cast<int>(points.size()); }
};

// The graph of the table's rows: all of them, or the rows selectionTop..selectionBottom
// (grid rows) when the selection spans more than one row. A table without rows gives no
// points.
GraphData BuildGraphData(const ResultsTable& table, const ResultsFilters& filters,
                         int selectionTop = 0, int selectionBottom = 0);

// Whole-number bounds of the vertical axis; upper is always above lower.
struct AxisBounds {
    int lower = 0;
    int upper = 1;
    int units() const { return upper - lower; }
};

// The screen graph's bounds: 2.5..7.2 gives 2..8, -3.5..0 gives -4..4.
AxisBounds ScreenAxisBounds(double rangeMin, double rangeMax);
// The printed graph's bounds: one unit of margin below and above any non-zero extreme.
AxisBounds PrintAxisBounds(double rangeMin, double rangeMax);

// The horizontal distance between sessions on a screen graph imageWidth pixels wide.
int ScreenGraphStep(const GraphData& graph, int imageWidth);

} // namespace trelon
