#include "results/formats/DiagFuziaResults.h"

#include "results/formats/SharedColumns.h"

#include <algorithm>
#include <array>

namespace trelon {

namespace {

// The choice "Показать" items 3..5 show the limits of fusion, 0..2 the reserves.
bool showsLimits(const ResultsFilters& f) {
    return f.fuzType >= 3;
}

class DiagFuziaResults : public ResultsFormat {
public:
    DiagFuziaResults() {
        using namespace formats;
        kind = ProcedureKind::DiagFuzia;
        listName = QStringLiteral("Фузионные резервы");
        captionName = QStringLiteral("Фузионные резервы и границы");
        exportName = QStringLiteral("Определение фузионных резервов");
        columns = reserveColumns();
        columnWidth = evenShare(6, 80, 5);
        choice = ResultsChoice{
            QStringLiteral("Показать"),
            {QStringLiteral("Резервы все"), QStringLiteral("Резервы положительные"),
             QStringLiteral("Резервы отрицательные"), QStringLiteral("Границы все"),
             QStringLiteral("Границы скрещенные"), QStringLiteral("Границы нескрещенные")},
            &ResultsFilters::fuzType};
        reserveMarkers = true;
        smallPrintedPalette = true;
    }

    bool keeps(const ResultRecord& r, const ResultsFilters& filters) const override {
        // The object numbers each item keeps: 1, 2 the positive and negative reserves, 3, 4
        // the crossed and uncrossed limits.
        static constexpr std::array<std::array<int, 2>, 6> kept = {
            {{1, 2}, {1, 1}, {2, 2}, {3, 4}, {3, 3}, {4, 4}}};
        const auto& pair = kept[static_cast<std::size_t>(std::clamp(filters.fuzType, 0, 5))];
        return r.ObjectNumber == pair[0] || r.ObjectNumber == pair[1];
    }
    GraphLegend screenLegend(const ResultsFilters& filters) const override {
        if (showsLimits(filters)) {
            return {QStringLiteral("границы скрещенные"), QStringLiteral("границы нескрещенные")};
        }
        return formats::reservesLegend();
    }
    GraphLegend printLegend(const ResultsFilters& filters) const override {
        const bool limits = showsLimits(filters);
        const QString positive = limits ? QStringLiteral("Границы фузии скрещенные")
                                        : QStringLiteral("Фузионные резервы положительные");
        const QString negative = limits ? QStringLiteral("Границы фузии нескрещенные")
                                        : QStringLiteral("Фузионные резервы отрицательные");
        const int sub = filters.fuzType % 3; // all, first kind, second kind
        return {sub == 2 ? QString() : positive, sub == 1 ? QString() : negative};
    }
    QString printTitle(const ResultsFilters& filters) const override {
        return showsLimits(filters) ? QStringLiteral("Границы фузии")
                                    : QStringLiteral("Фузионные резервы");
    }
};

} // namespace

const ResultsFormat& diagFuziaResults() {
    static const DiagFuziaResults format;
    return format;
}

} // namespace trelon
