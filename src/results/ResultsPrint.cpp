#include "results/ResultsPrint.h"

#include "common/Rounding.h"
#include "results/ResultsFormat.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace trelon {

namespace {

int px(double value) {
    return static_cast<int>(roundHalfEven(value));
}

// The page of the painter's device in printer pixels and its units.
struct Page {
    double width = 0;
    double height = 0;
    double ux = 0; // PageUnitX
    double uy = 0; // PageUnitY

    explicit Page(const QPainter& painter)
        : width(painter.device()->width()), height(painter.device()->height()), ux(width / 20),
          uy(height / 29) {}
};

QFont pointFont(const QString& family, int points, bool bold = false) {
    QFont font(family);
    font.setPointSize(std::max(1, points));
    font.setBold(bold);
    return font;
}

// The height a device context gives a text of one line: the font's line height.
double textHeight(const QPainter& p) {
    return QFontMetricsF(p.font(), p.device()).height();
}

// Text with its top left corner at (x, y), as a device context places it.
void textAt(QPainter& p, double x, double y, const QString& text) {
    p.drawText(QPointF(px(x), px(y) + QFontMetricsF(p.font(), p.device()).ascent()), text);
}

void printHeading(QPainter& p, const Page& page, const PrintHeading& heading, const QString& family,
                  const QColor& nameColour, const QColor& captionColour, double nameY,
                  double captionY) {
    p.setFont(pointFont(family, 20));
    p.setPen(nameColour);
    textAt(p, 5 * page.ux, nameY * page.uy, heading.patientName);
    p.setFont(pointFont(family, 14));
    p.setPen(captionColour);
    textAt(p, 3 * page.ux, captionY * page.uy, heading.caption);
}

// Cell font size of the single-page table: smaller for the session number, date, size and
// distance, and for the palette of the diagnostics whose fifth column is the palette.
int singlePageCellSize(const ResultsTable& table, int column, int sizeFont) {
    const bool smallPalette = resultsFormatOf(table.procedure).smallPrintedPalette;
    return column <= 3 || (column == 4 && smallPalette) ? sizeFont - 2 : sizeFont;
}

int titleSize(const Settings& s, bool singlePage) {
    return singlePage ? s.SizeFont - 2 : s.SizeFont;
}

int cellSize(const ResultsTable& table, int column, const Settings& s, bool singlePage) {
    return singlePage ? singlePageCellSize(table, column, s.SizeFont) : s.SizeFont;
}

// What each printed column needs to hold its widest text whole: the title and every cell at
// the size each prints in, after its indent and with a tenth of a unit to spare on the right.
std::vector<double> printedColumnNeeds(const QPainter& p, const Page& page,
                                       const ResultsTable& table, const Settings& s,
                                       bool singlePage) {
    const int columns = table.columnCount() - 1; // RecordPosition is not printed
    std::vector<double> needs(static_cast<std::size_t>(std::max(columns, 0)), 0.0);
    for (int c = 0; c < columns; ++c) {
        double widest = QFontMetricsF(pointFont(s.FontName, titleSize(s, singlePage)), p.device())
                            .horizontalAdvance(table.titles.value(c)) +
                        0.1 * page.ux;
        const QFontMetricsF cells(pointFont(s.FontName, cellSize(table, c, s, singlePage)),
                                  p.device());
        for (const ResultsRow& row : table.rows) {
            widest = std::max(widest, cells.horizontalAdvance(row.cells.value(c)));
        }
        needs[static_cast<std::size_t>(c)] = widest + 0.2 * page.ux;
    }
    return needs;
}

void printTablePage(QPainter& p, const Page& page, const ResultsTable& table,
                    const std::vector<int>& gridRows, const PrintHeading& heading,
                    const Settings& s, bool singlePage, double rh,
                    const std::vector<double>& widths, bool clip) {
    const int columns = static_cast<int>(widths.size());
    const double left = 1.5 * page.ux;
    const double top = 3.5 * page.uy;
    std::vector<double> edges{left};
    for (double width : widths) {
        edges.push_back(edges.back() + width);
    }
    auto edge = [&](int column) { return edges[static_cast<std::size_t>(column)]; };
    const int rows = static_cast<int>(gridRows.size());

    printHeading(p, page, heading, s.FontName, Qt::red, Qt::blue, 1.5, 2.5);
    p.setPen(QPen(Qt::black, 2 * s.DisplayScale));
    for (int c = 0; c <= columns; ++c) {
        p.drawLine(QPointF(px(edge(c)), px(top)), QPointF(px(edge(c)), px(top + (rows + 1) * rh)));
    }
    for (int i = 0; i <= rows + 1; ++i) {
        p.drawLine(QPointF(px(left), px(top + i * rh)),
                   QPointF(px(edge(columns)), px(top + i * rh)));
    }
    // A text that does not fit stops at its cell's right edge instead of running on into the
    // next cell.
    auto cellText = [&](int column, double x, double y, const QString& text) {
        if (clip) {
            p.save();
            p.setClipRect(QRectF(QPointF(edge(column), top),
                                 QPointF(edge(column + 1), top + (rows + 1) * rh)));
        }
        textAt(p, x, y, text);
        if (clip) {
            p.restore();
        }
    };
    p.setFont(pointFont(s.FontName, titleSize(s, singlePage)));
    p.setPen(Qt::blue);
    for (int c = 0; c < columns; ++c) {
        cellText(c, edge(c) + 0.2 * page.ux, top, table.titles.value(c));
    }
    p.setPen(Qt::black);
    for (int j = 1; j <= rows; ++j) {
        const ResultsRow& row =
            table.rows[static_cast<std::size_t>(gridRows[static_cast<std::size_t>(j - 1)] - 1)];
        for (int c = 0; c < columns; ++c) {
            p.setFont(pointFont(s.FontName, cellSize(table, c, s, singlePage)));
            cellText(c, edge(c) + 0.1 * page.ux, top + j * rh + 0.15 * page.uy, row.cells.value(c));
        }
    }
}

} // namespace

std::vector<double> PrintedColumnWidths(const std::vector<double>& needs, double firstWidth,
                                        double total) {
    const std::size_t columns = needs.size();
    std::vector<double> widths(columns, 0.0);
    if (columns == 0) {
        return widths;
    }
    const double needed = std::accumulate(needs.begin(), needs.end(), 0.0);
    if (needed >= total) {
        for (std::size_t c = 0; c < columns; ++c) {
            widths[c] = needed > 0 ? needs[c] * total / needed : total / columns;
        }
        return widths;
    }
    const double other = columns > 1 ? (total - firstWidth) / (columns - 1) : total;
    double deficit = 0;
    double spare = 0;
    for (std::size_t c = 0; c < columns; ++c) {
        widths[c] = c == 0 && columns > 1 ? firstWidth : other;
        deficit += std::max(0.0, needs[c] - widths[c]);
        spare += std::max(0.0, widths[c] - needs[c]);
    }
    // The columns with room to spare give it up in proportion to what they spare; as the
    // needs fit the page, what they spare is more than the others lack.
    for (std::size_t c = 0; c < columns; ++c) {
        if (needs[c] > widths[c]) {
            widths[c] = needs[c];
        } else if (spare > 0) {
            widths[c] -= (widths[c] - needs[c]) * deficit / spare;
        }
    }
    return widths;
}

std::vector<std::vector<int>> PrintedTablePages(int rows, double rh, double pageHeight,
                                                double top) {
    std::vector<std::vector<int>> pages;
    auto span = [](int from, int to) {
        std::vector<int> list;
        for (int r = from; r >= to; --r) {
            list.push_back(r);
        }
        return list;
    };
    if (rows <= 0 || top + rh * (rows + 2) <= pageHeight || !(rh > 0)) {
        pages.push_back(span(rows, 1));
        return pages;
    }
    // Every page repeats the last row of the page before, so a page adds perPage new rows;
    // pages follow until the newest row is printed (counting pages from the page height
    // alone would leave the newest rows of a long table unprinted).
    const int perPage = std::max(1, static_cast<int>((pageHeight - 2 * top) / rh) - 2);
    for (int first = rows;; first -= perPage) {
        const int last = std::max(1, first - perPage);
        pages.push_back(span(first, last));
        if (last == 1) {
            break;
        }
    }
    return pages;
}

int PrintResultsTable(QPainter& p, const std::function<bool()>& newPage, const ResultsTable& table,
                      const PrintHeading& heading, const Settings& s) {
    const Page page(p);
    p.save();
    p.setFont(pointFont(s.FontName, s.SizeFont));
    const double rh = 1.5 * textHeight(p);
    const double top = 3.5 * page.uy;
    const auto pages = PrintedTablePages(table.rowCount(), rh, page.height, top);
    const bool single = pages.size() == 1;
    const double left = 1.5 * page.ux;
    const double total = page.width - left - page.ux; // one unit to spare on the right
    const std::vector<double> needs = printedColumnNeeds(p, page, table, s, single);
    const std::vector<double> widths = PrintedColumnWidths(needs, page.ux, total);
    // Only when the texts cannot all print whole are they cut at their cells' edges.
    const bool clip = std::accumulate(needs.begin(), needs.end(), 0.0) > total;
    int printed = 0;
    for (const auto& rows : pages) {
        if (printed > 0 && !newPage()) {
            break;
        }
        printTablePage(p, page, table, rows, heading, s, single, rh, widths, clip);
        ++printed;
    }
    p.restore();
    return printed;
}

void PrintResultsGraph(QPainter& p, const GraphData& g, const PrintHeading& heading,
                       const Settings& s, const QString& axisTitleX) {
    const Page page(p);
    const double ux = page.ux;
    const double uy = page.uy;
    const double L = 2 * ux;
    const double T = 6 * uy;
    const double Wg = 17 * ux;
    const double Hg = 12 * uy;
    const int n = g.count();
    // The direction of the scotoma training: in the title when every plotted session was
    // trained in it (as when one direction is chosen), else beside each point.
    bool oneDirection = g.directionsLabelled && n > 0;
    for (const GraphPoint& point : g.points) {
        oneDirection = oneDirection && point.direction == g.points.front().direction;
    }
    QString title = g.printTitle;
    if (oneDirection) {
        title += QStringLiteral(" - направление %1 град.").arg(g.points.front().direction);
    } else if (g.directionsLabelled && n > 0) {
        title += QStringLiteral(" - все направления");
    }
    p.save();
    printHeading(p, page, {heading.patientName, title}, s.FontName, Qt::black, Qt::black, 2.5, 3.5);
    if (n == 0) {
        p.restore();
        return;
    }
    const double axisEnd = n <= 8 ? L + 2 * uy * n : L + Wg;
    p.setPen(QPen(Qt::black, s.WidthLine1 * ux));
    p.drawPolyline(QPolygonF(
        {QPointF(px(L), px(T)), QPointF(px(L), px(T + Hg)), QPointF(px(axisEnd), px(T + Hg))}));

    const AxisBounds bounds = PrintAxisBounds(g.rangeMin, g.rangeMax);
    const double f = Hg / bounds.units();
    p.setFont(pointFont(s.FontName, s.SizeFontY));
    const double two = textHeight(p);
    for (int k = 0; k <= bounds.units(); ++k) {
        const double y = T + Hg - k * f;
        p.setPen(QPen(Qt::black, s.WidthLine1 * ux));
        p.drawLine(QPointF(px(L - 0.3 * ux), px(y)), QPointF(px(L), px(y)));
        if (bounds.units() < 17 || k % 2 == 1) {
            const int value = bounds.lower + k;
            p.setPen(value > 0 ? Qt::red : value < 0 ? Qt::blue : Qt::black);
            textAt(p, L - 0.6 * ux, y - two, QString::number(value));
        }
    }
    p.setFont(pointFont(s.FontName, 12));
    p.setPen(Qt::black);
    textAt(p, L - 0.1 * ux, T - uy - textHeight(p), QStringLiteral("Град."));
    textAt(p, Wg / 2, T + Hg + ux + textHeight(p), axisTitleX);

    const double step = n > 7 ? Wg / n : 2 * uy;
    p.setFont(pointFont(s.FontName, s.SizeFontX));
    for (int i = 1; i <= n; ++i) {
        const double x = (i - 1) * step + L;
        const bool major = i == 1 || i % 5 == 0;
        p.setPen(QPen(Qt::black, s.WidthLine1 * uy));
        p.drawLine(QPointF(px(x), px(T + Hg)),
                   QPointF(px(x), px(T + Hg + (major ? 0.3 : 0.2) * uy)));
        if (n <= 50 || major) {
            textAt(p, x, T + Hg + 0.3 * uy + 10, QString::number(i));
        }
    }

    auto pointOf = [&](const GraphPoint& point, double value) {
        return QPointF(px((g.lastRow - point.row) * step + L),
                       px(T + Hg - (value - bounds.lower) * f));
    };
    // Markers are sized in page units, so they print alike at any resolution: the default
    // size 3 gives a marker about 2 mm across. A negative reserve or an uncrossed limit is a
    // filled circle, told apart from the open one on a black-and-white page too.
    const double e = std::max(1, s.RazmerMarker) * ux / 30;
    auto circle = [&](QPointF at, const QColor& colour, bool filled) {
        p.setPen(QPen(colour, s.WidthLine3 * uy));
        p.setBrush(filled ? QBrush(colour) : QBrush(Qt::NoBrush));
        p.drawEllipse(
            QRectF(QPointF(at.x() - e, at.y() - e), QPointF(at.x() + e, at.y() + e)).normalized());
    };
    auto triangle = [&](QPointF at) {
        p.setPen(QPen(Qt::green, s.WidthLine3 * uy));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({QPointF(at.x(), at.y() - e), QPointF(at.x() + e, at.y() + e),
                                 QPointF(at.x() - e, at.y() + e)}));
    };
    p.setPen(QPen(Qt::red, s.WidthLine2 * uy));
    for (std::size_t i = 1; i < g.points.size(); ++i) {
        p.drawLine(pointOf(g.points[i - 1], g.points[i - 1].first),
                   pointOf(g.points[i], g.points[i].first));
    }
    for (const GraphPoint& point : g.points) {
        const QPointF at = pointOf(point, point.first);
        circle(at, point.blueMarker ? Qt::blue : Qt::red, point.blueMarker);
        if (g.directionsLabelled) {
            // Numbered as under the axis: the oldest plotted session reads 1.
            const QString number = QString::number(g.lastRow - point.row + 1);
            p.setPen(Qt::black);
            p.setFont(pointFont(s.FontName, s.SizeFontX));
            textAt(p, at.x() + e, at.y(),
                   oneDirection ? number : QStringLiteral("%1 (%2°)").arg(number, point.direction));
        }
    }
    if (g.twoSeries) {
        p.setPen(QPen(Qt::green, s.WidthLine2 * uy, Qt::DotLine));
        for (std::size_t i = 1; i < g.points.size(); ++i) {
            p.drawLine(pointOf(g.points[i - 1], g.points[i - 1].second),
                       pointOf(g.points[i], g.points[i].second));
        }
        for (const GraphPoint& point : g.points) {
            triangle(pointOf(point, point.second) - QPointF(0, 2));
        }
    }

    p.setFont(pointFont(s.FontName, 12));
    const QFontMetricsF metrics(p.font(), p.device());
    auto legendLine = [&](const QString& text, double top, bool firstSeries) {
        if (text.isEmpty()) {
            return;
        }
        p.setPen(Qt::black);
        textAt(p, L, top, text);
        const QPointF marker(px(L + metrics.horizontalAdvance(text) + 2 * ux),
                             px(top + metrics.height() / 2));
        if (firstSeries) {
            circle(marker, Qt::red, false);
        } else if (g.reserveMarkers) {
            circle(marker, Qt::blue, true);
        } else {
            triangle(marker);
        }
    };
    legendLine(g.printLegendFirst, T + Hg + 3 * uy, true);
    legendLine(g.printLegendSecond, T + Hg + 4.5 * uy, false);
    p.restore();
}

} // namespace trelon
