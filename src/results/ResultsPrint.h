#pragma once
// The printed table and the printed graph, laid out in page units (a twentieth of the page
// width, a twenty-ninth of its height) so that they come out alike on any printer. They draw
// with a QPainter on any paint device: a printer, a PDF file or a test image.
#include "config/Settings.h"
#include "results/ResultsGraph.h"
#include "results/ResultsTable.h"

#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace trelon {

// What stands above the printout.
struct PrintHeading {
    QString patientName;
    QString caption; // the results screen's caption
};

// The grid rows (1 = newest) on each page of a printed table, oldest first. One page when
// the title row and all rows fit below top; otherwise pages of perPage + 1 rows where each
// page begins with the last row of the page before, until the newest row is printed.
std::vector<std::vector<int>> PrintedTablePages(int rows, double rowHeight, double pageHeight,
                                                double top);

// The widths of the printed columns whose widest texts need needs: column 0 firstWidth and
// the others an equal share of total where that is enough; a column needing more gets its
// need from the columns with room to spare. When the needs exceed total, each column gets its
// share of total in proportion to its need.
std::vector<double> PrintedColumnWidths(const std::vector<double>& needs, double firstWidth,
                                        double total);

// Prints the table on the painter's device; newPage starts the next page (a printer's or PDF
// writer's newPage) and returns false when the device cannot. Returns the page count.
int PrintResultsTable(QPainter& painter, const std::function<bool()>& newPage,
                      const ResultsTable& table, const PrintHeading& heading,
                      const Settings& settings);

// Prints the graph on one page of the painter's device.
void PrintResultsGraph(QPainter& painter, const GraphData& graph, const PrintHeading& heading,
                       const Settings& settings, const QString& axisTitleX);

} // namespace trelon
