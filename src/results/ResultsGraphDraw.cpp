#include "results/ResultsGraphDraw.h"

#include "common/Rounding.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace trelon {

namespace {

QFont graphFont(int points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

int rounded(double value) {
    return static_cast<int>(roundHalfEven(value));
}

QColor valueColour(int value) {
    return value > 0 ? Qt::red : value < 0 ? Qt::blue : Qt::black;
}

void circle(QPainter& p, QPoint at, const QColor& outline) {
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRect(QPoint(at.x() - 4, at.y() - 4), QPoint(at.x() + 4, at.y() + 4)));
}

void triangle(QPainter& p, QPoint at) {
    p.setPen(QPen(Qt::green, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(at.x(), at.y() - 3), QPoint(at.x() + 3, at.y() + 3),
                            QPoint(at.x() - 3, at.y() + 3)}));
}

void drawLegend(QPainter& p, const GraphData& g, const QString& yTitle) {
    if (g.legendFirst.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(p.font(), p.device());
    const int tw = metrics.horizontalAdvance(yTitle);
    const int m = metrics.height() / 2;
    const int t1 = metrics.horizontalAdvance(g.legendFirst);
    const int ascent = metrics.ascent();
    if (g.reserveMarkers) {
        circle(p, QPoint(tw + 25, m), Qt::red);
        circle(p, QPoint(tw + t1 + 75, m), Qt::blue);
    } else {
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(tw + 25, m, tw + 40, m);
        p.setPen(QPen(Qt::green, 2));
        p.drawLine(tw + t1 + 75, m, tw + t1 + 95, m);
    }
    p.setPen(Qt::black);
    p.drawText(tw + 50, ascent, g.legendFirst);
    p.drawText(tw + t1 + 115, ascent, g.legendSecond);
}

} // namespace

GraphPointTable DrawResultsGraph(QPainter& p, QSize image, const GraphData& g,
                                 const GraphAxisTitles& titles) {
    GraphPointTable table(kGraphPointEntries + 1);
    const int wi = image.width();
    const int hi = image.height();
    p.save();
    p.fillRect(QRect(QPoint(0, 0), image), Qt::white);
    if (g.points.empty()) {
        p.restore();
        return table;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setFont(graphFont(6, false));

    const AxisBounds bounds = ScreenAxisBounds(g.rangeMin, g.rangeMax);
    const int axisY = hi - 40;
    const double f = static_cast<double>(axisY - 25) / bounds.units();
    p.drawPolyline(QPolygon({QPoint(20, 25), QPoint(20, axisY), QPoint(wi - 20, axisY)}));

    const int tickAscent = QFontMetrics(p.font(), p.device()).ascent();
    for (int k = 0; k <= bounds.units(); ++k) {
        const int y = axisY - rounded(k * f);
        const int value = bounds.lower + k;
        p.setPen(Qt::black);
        p.drawLine(20, y, 15, y);
        p.setPen(valueColour(value));
        p.drawText(2, y - 8 + tickAscent, QString::number(value));
    }

    p.setFont(graphFont(8, true));
    const int titleAscent = QFontMetrics(p.font(), p.device()).ascent();
    p.setPen(Qt::black);
    p.drawText(0, titleAscent, titles.y);
    p.drawText(wi / 2, axisY + 20 + titleAscent, titles.x);
    drawLegend(p, g, titles.y);

    p.setFont(graphFont(8, false));
    const int labelAscent = QFontMetrics(p.font(), p.device()).ascent();
    const int u = ScreenGraphStep(g, wi);
    p.setPen(QPen(Qt::black, 1));
    for (int n = 1; n <= g.count(); ++n) {
        const int x = (n - 1) * u + 20;
        p.drawLine(x, axisY, x, axisY + 5);
        p.drawText(x, axisY + 6 + labelAscent, QString::number(n));
    }

    auto pointOf = [&](const GraphPoint& point, double value) {
        return QPoint((g.lastRow - point.row) * u + 20,
                      axisY - rounded((value - bounds.lower) * f));
    };
    p.setPen(QPen(Qt::red, 2));
    for (std::size_t i = 1; i < g.points.size(); ++i) {
        p.drawLine(pointOf(g.points[i - 1], g.points[i - 1].first),
                   pointOf(g.points[i], g.points[i].first));
    }
    p.setFont(graphFont(6, false));
    for (const GraphPoint& point : g.points) {
        const QPoint at = pointOf(point, point.first);
        circle(p, at, point.blueMarker ? Qt::blue : Qt::red);
        if (point.row <= kGraphPointEntries) {
            table[static_cast<std::size_t>(point.row)] = {at.x(), at.y(), point.date,
                                                          point.direction};
        }
        if (!point.direction.isEmpty()) {
            p.setPen(Qt::black);
            p.drawText(at.x() + 6, at.y() - 4, point.direction);
        }
    }
    if (g.twoSeries) {
        p.setPen(QPen(Qt::green, 1));
        for (std::size_t i = 1; i < g.points.size(); ++i) {
            const QPoint a = pointOf(g.points[i - 1], g.points[i - 1].second);
            const QPoint b = pointOf(g.points[i], g.points[i].second);
            p.drawLine(a - QPoint(0, 1), b - QPoint(0, 1));
            p.drawLine(a - QPoint(0, 2), b - QPoint(0, 2));
        }
        for (const GraphPoint& point : g.points) {
            const QPoint at = pointOf(point, point.second);
            triangle(p, at);
            if (point.row <= kGraphPointEntries) {
                auto& entry = table[static_cast<std::size_t>(point.row)];
                entry.x = at.x();
                entry.y = at.y();
            }
        }
    }
    p.restore();
    return table;
}

std::optional<GraphReadOut> GraphReadOutAt(const GraphPointTable& points, int listedRows,
                                           int pointerX) {
    std::optional<GraphReadOut> shown;
    const int last =
        std::min({listedRows, kGraphPointEntries, static_cast<int>(points.size()) - 1});
    for (int row = 1; row <= last; ++row) {
        const GraphPointEntry& entry = points[static_cast<std::size_t>(row)];
        if (entry.x != -1 && entry.x > pointerX - 15 && entry.x < pointerX + 15) {
            shown = GraphReadOut{entry.x, entry.y - 15, entry.date};
        }
    }
    return shown;
}

} // namespace trelon
