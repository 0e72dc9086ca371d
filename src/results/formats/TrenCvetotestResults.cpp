#include "results/formats/TrenCvetotestResults.h"

#include "results/formats/SharedColumns.h"

namespace trelon {

namespace {

class TrenCvetotestResults : public ResultsFormat {
public:
    TrenCvetotestResults() {
        using namespace formats;
        kind = ProcedureKind::TrenCvetotest;
        listName = QStringLiteral("Развитие Фузионных резервов");
        captionName = QStringLiteral("Развитие фузионных резервов");
        exportName = QStringLiteral("Развитие фузионных резервов");
        columns = reserveColumns();
        columnWidth = evenShare(6, 80, 5);
        choice = ResultsChoice{QStringLiteral("Показать"),
                               {QStringLiteral("Все"), QStringLiteral("Резервы положительные"),
                                QStringLiteral("Резервы отрицательные")},
                               &ResultsFilters::trenFuzType,
                               true};
        reserveMarkers = true;
        printedTitle = QStringLiteral("Развитие фузионных резервов");
    }

    bool keeps(const ResultRecord& r, const ResultsFilters& filters) const override {
        // Items 1 and 2 keep the positive (object 1) and negative (object 2) reserves.
        return filters.trenFuzType == 0 || r.ObjectNumber == filters.trenFuzType;
    }
    GraphLegend screenLegend(const ResultsFilters&) const override {
        return formats::reservesLegend();
    }
};

} // namespace

const ResultsFormat& trenCvetotestResults() {
    static const TrenCvetotestResults format;
    return format;
}

} // namespace trelon
