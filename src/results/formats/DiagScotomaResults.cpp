#include "results/formats/DiagScotomaResults.h"

#include "results/formats/SharedColumns.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelon {

namespace {

class DiagScotomaResults : public ResultsFormat {
public:
    DiagScotomaResults() {
        using namespace formats;
        kind = ProcedureKind::DiagScotoma;
        listName = QStringLiteral("Функциональная скотома");
        captionName = QStringLiteral("Функциональная скотома");
        exportName = QStringLiteral("Выявление функциональной скотомы");
        columns = {distanceColumn(), paletteColumn()};
        // The extents in the stored order of directions, shown without sign.
        const int angles[] = {0, 90, 180, 270, 45, 135, 225, 315};
        for (std::size_t k = 0; k < 8; ++k) {
            columns.push_back(fixedColumn(QString::number(angles[k]), [k](const ResultRecord& r) {
                return FormatResultNumber(std::fabs(r.DirectionValues[k]));
            }));
        }
        columnWidth = evenShare(13, 40, 12);
        choice = ResultsChoice{
            QStringLiteral("Показать на графике"),
            {QStringLiteral("горизонталь: 0-180"), QStringLiteral("вертикаль: 90-270"),
             QStringLiteral("диагональ: 45-225"), QStringLiteral("диагональ: 135-315")},
            &ResultsFilters::scotomaAxis,
            false,
            false,
            true};
        twoSeries = true;
        printedTitle = QStringLiteral("Функциональная скотома");
    }

    RowValues rowValues(const ResultRecord& r, const ResultsFilters& filters) const override {
        // Directions 0/180, 90/270, 45/225, 135/315 are elements 1/3, 2/4, 5/7, 6/8.
        static constexpr std::pair<std::size_t, std::size_t> pairs[] = {
            {0, 2}, {1, 3}, {4, 6}, {5, 7}};
        const auto& [a, b] = pairs[std::clamp(filters.scotomaAxis, 0, 3)];
        const double first = std::fabs(r.DirectionValues[a]);
        const double second = std::fabs(r.DirectionValues[b]);
        return {first, second, {first, second}};
    }
    GraphLegend screenLegend(const ResultsFilters& filters) const override {
        static const int firsts[] = {0, 90, 45, 135};
        const int a = firsts[std::clamp(filters.scotomaAxis, 0, 3)];
        return {QStringLiteral("Направление %1 град.").arg(a),
                QStringLiteral("Направление %1 град.").arg(a + 180)};
    }
};

} // namespace

const ResultsFormat& diagScotomaResults() {
    static const DiagScotomaResults format;
    return format;
}

} // namespace trelon
