#include "results/ResultsGraph.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelon {

namespace {

// Values of one row: the two plotted series and the further values the range covers.
struct RowValues {
    double first = 0;
    double second = 0;
    std::vector<double> range;
};

RowValues rowValues(ProcedureKind procedure, const ResultRecord& r, const ResultsFilters& filters) {
    const double startX = r.DirectionValues[0];
    const double startY = r.DirectionValues[1];
    switch (procedure) {
    case ProcedureKind::TrenKosogl:
        if (filters.trenKosoglMode == 2) {
            return {r.ValueX, startX, {r.ValueX, r.ValueY, startX}};
        }
        if (filters.trenKosoglMode == 3) {
            return {r.ValueY, startY, {r.ValueX, r.ValueY, startY}};
        }
        return {r.ValueX, r.ValueY, {r.ValueX, r.ValueY}};
    case ProcedureKind::TrenBifics:
        if (filters.bifix == 1) {
            return {r.ValueX, startX, {r.ValueX, startX}};
        }
        if (filters.bifix == 2) {
            return {r.ValueY, startY, {r.ValueY, startY}};
        }
        return {r.ValueX, r.ValueY, {r.ValueX, r.ValueY}};
    case ProcedureKind::DiagKosogl:
        return {r.ValueX, r.ValueY, {r.ValueX, r.ValueY}};
    case ProcedureKind::DiagScotoma: {
        // Directions 0/180, 90/270, 45/225, 135/315 are elements 1/3, 2/4, 5/7, 6/8; the
        // table shows them without sign.
        static constexpr std::pair<int, int> pairs[] = {{0, 2}, {1, 3}, {4, 6}, {5, 7}};
        const auto& [a, b] = pairs[std::clamp(filters.scotomaAxis, 0, 3)];
        const double first = std::fabs(r.DirectionValues[static_cast<std::size_t>(a)]);
        const double second = std::fabs(r.DirectionValues[static_cast<std::size_t>(b)]);
        return {first, second, {first, second}};
    }
    default:
        return {r.ValueX, 0, {r.ValueX}};
    }
}

bool plotsTwoSeries(ProcedureKind p) {
    return p == ProcedureKind::DiagKosogl || p == ProcedureKind::TrenKosogl ||
           p == ProcedureKind::TrenBifics || p == ProcedureKind::DiagScotoma;
}

struct Legend {
    QString first;
    QString second;
};

Legend screenLegend(ProcedureKind p, const ResultsFilters& f) {
    switch (p) {
    case ProcedureKind::TrenKosogl:
    case ProcedureKind::TrenBifics: {
        const int choice = p == ProcedureKind::TrenKosogl ? (f.trenKosoglMode == 2   ? 1
                                                             : f.trenKosoglMode == 3 ? 2
                                                                                     : 0)
                                                          : f.bifix;
        if (choice == 1) {
            return {QStringLiteral(" Х в конце"), QStringLiteral(" X в начале")};
        }
        if (choice == 2) {
            return {QStringLiteral(" Y в конце"), QStringLiteral(" Y в начале")};
        }
        return {QStringLiteral(" по горизонтали"), QStringLiteral(" по вертикали")};
    }
    case ProcedureKind::DiagKosogl:
        return {QStringLiteral(" по горизонтали"), QStringLiteral(" по вертикали")};
    case ProcedureKind::DiagScotoma: {
        static const int firsts[] = {0, 90, 45, 135};
        const int a = firsts[std::clamp(f.scotomaAxis, 0, 3)];
        return {QStringLiteral("Направление %1 град.").arg(a),
                QStringLiteral("Направление %1 град.").arg(a + 180)};
    }
    case ProcedureKind::DiagFuzia:
        if (f.fuzType >= 3) {
            return {QStringLiteral("границы скрещенные"), QStringLiteral("границы нескрещенные")};
        }
        return {QStringLiteral("положительные резервы"), QStringLiteral("отрицательные резервы")};
    case ProcedureKind::TrenCvetotest:
        return {QStringLiteral("положительные резервы"), QStringLiteral("отрицательные резервы")};
    default:
        return {};
    }
}

Legend printLegend(ProcedureKind p, const ResultsFilters& f) {
    switch (p) {
    case ProcedureKind::DiagKosogl:
    case ProcedureKind::TrenKosogl:
    case ProcedureKind::TrenBifics: {
        const Legend screen = screenLegend(p, f);
        if (screen.first.contains(QStringLiteral("горизонтали"))) {
            return {QStringLiteral("По горизонтали"), QStringLiteral("По вертикали")};
        }
        // " Х в конце" of the screen: the printed text has a Latin X throughout.
        const QString axis =
            screen.first.contains(QStringLiteral("Y")) ? QStringLiteral("Y") : QStringLiteral("X");
        return {axis + QStringLiteral(" в конце"), axis + QStringLiteral(" в начале")};
    }
    case ProcedureKind::DiagScotoma:
        return screenLegend(p, f);
    case ProcedureKind::DiagFuzia: {
        const bool limits = f.fuzType >= 3;
        const QString positive = limits ? QStringLiteral("Границы фузии скрещенные")
                                        : QStringLiteral("Фузионные резервы положительные");
        const QString negative = limits ? QStringLiteral("Границы фузии нескрещенные")
                                        : QStringLiteral("Фузионные резервы отрицательные");
        const int sub = f.fuzType % 3; // all, first kind, second kind
        return {sub == 2 ? QString() : positive, sub == 1 ? QString() : negative};
    }
    case ProcedureKind::TrenCvetotest:
        return screenLegend(p, f);
    default:
        return {};
    }
}

QString printTitle(ProcedureKind p, const ResultsFilters& f) {
    switch (p) {
    case ProcedureKind::DiagKosogl:
        return QStringLiteral("Измерение угла косоглазия");
    case ProcedureKind::DiagScotoma:
        return QStringLiteral("Функциональная скотома");
    case ProcedureKind::DiagFuzia:
        return f.fuzType >= 3 ? QStringLiteral("Границы фузии")
                              : QStringLiteral("Фузионные резервы");
    case ProcedureKind::TrenKosogl: {
        static const QStringList modes = {QStringLiteral(" - все режимы"),
                                          QStringLiteral(" - ручной режим"),
                                          QStringLiteral(" - ручной режим"),
                                          QStringLiteral(" - ручной режим"),
                                          QStringLiteral(" - автоматический с паузами"),
                                          QStringLiteral(" - автоматический равномерный")};
        return QStringLiteral("Устранение косоглазия") + modes.value(f.trenKosoglMode);
    }
    case ProcedureKind::TrenBifics:
        return QStringLiteral("Закрепление слияния");
    case ProcedureKind::TrenCvetotest:
        return QStringLiteral("Развитие фузионных резервов");
    case ProcedureKind::TrenScotoma:
        // No title was printed for this procedure; its own name is the natural one.
        return QStringLiteral("Ликвидация функциональной скотомы");
    default:
        return {};
    }
}

int truncated(double value) {
    return static_cast<int>(std::trunc(std::clamp(value, -1e6, 1e6)));
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
    g.twoSeries = plotsTwoSeries(table.procedure);
    g.reserveMarkers = table.procedure == ProcedureKind::DiagFuzia ||
                       table.procedure == ProcedureKind::TrenCvetotest;
    const Legend screen = screenLegend(table.procedure, filters);
    const Legend printed = printLegend(table.procedure, filters);
    g.legendFirst = screen.first;
    g.legendSecond = screen.second;
    g.printLegendFirst = printed.first;
    g.printLegendSecond = printed.second;
    g.printTitle = printTitle(table.procedure, filters);
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
        const RowValues values = rowValues(table.procedure, source.record, filters);
        for (double v : values.range) {
            g.rangeMin = std::min(g.rangeMin, v);
            g.rangeMax = std::max(g.rangeMax, v);
        }
        GraphPoint point;
        point.row = row;
        point.first = values.first;
        point.second = values.second;
        point.date = source.cells.value(1);
        const QString type = source.cells.value(valueColumn + 1);
        point.blueMarker =
            g.reserveMarkers && (type == QStringLiteral("Р-") || type == QStringLiteral("Гр"));
        if (table.procedure == ProcedureKind::TrenScotoma) {
            point.direction = source.cells.value(7).trimmed();
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
        b.upper = static_cast<int>(roundHalfEven(-std::clamp(rangeMin, -1e6, 1e6)));
    }
    return atLeastOneUnit(b);
}

AxisBounds PrintAxisBounds(double rangeMin, double rangeMax) {
    AxisBounds b;
    b.lower = rangeMin != 0 ? truncated(rangeMin) - 1 : 0;
    b.upper = rangeMax != 0 ? truncated(rangeMax) + 1
                            : static_cast<int>(roundHalfEven(-std::clamp(rangeMin, -1e6, 1e6)));
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
