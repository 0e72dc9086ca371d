#pragma once
// The screen graph drawn on any paint device (the screen's image, a test image), and the
// date read-out under the pointer.
#include "results/ResultsGraph.h"

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace trelon {

inline constexpr int kGraphPointEntries = 1000;

// One entry of the point table: where a row's point lies on the image (x = -1: unused).
struct GraphPointEntry {
    int x = -1;
    int y = 0;
    QString date;
    QString direction; // TrenScotoma
};

// Entries indexed by grid row 1..1000 (index 0 unused); rows beyond 1000 have no entry.
using GraphPointTable = std::vector<GraphPointEntry>;

// The axis titles (GraphX, GraphY of Lang.ini).
struct GraphAxisTitles {
    QString x = QStringLiteral("Номер сеанса");
    QString y = QStringLiteral("Результат в баллах");
};

// Draws the graph on an image of the given size and returns its point table. A graph without
// points clears the image and returns an unused table.
GraphPointTable DrawResultsGraph(QPainter& painter, QSize image, const GraphData& graph,
                                 const GraphAxisTitles& titles = {});

// The date label for the pointer at x = pointerX: the last of the first listedRows entries
// whose x lies strictly within 15 pixels; nothing when none does.
struct GraphReadOut {
    int left = 0;
    int top = 0;
    QString text;
};
std::optional<GraphReadOut> GraphReadOutAt(const GraphPointTable& points, int listedRows,
                                           int pointerX);

} // namespace trelon
