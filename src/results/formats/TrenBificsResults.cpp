#include "results/formats/TrenBificsResults.h"

#include "results/formats/SharedColumns.h"

namespace trelon {

namespace {

class TrenBificsResults : public ResultsFormat {
public:
    TrenBificsResults() {
        using namespace formats;
        kind = ProcedureKind::TrenBifics;
        listName = QStringLiteral("Закрепление слияния");
        captionName = QStringLiteral("Закрепление слияния");
        exportName = QStringLiteral("Закрепление слияния");
        columns = joined(pictureColumns(), endAndStartColumns());
        firstColumnWidth = 30;
        columnWidth = evenShare(10, 30, 9);
        // A graph choice only: every item lists every session.
        choice = ResultsChoice{QStringLiteral("Показать"),
                               {QStringLiteral("Все"), QStringLiteral("По X  (на графике)"),
                                QStringLiteral("По Y  (на графике)")},
                               &ResultsFilters::bifix,
                               true};
        twoSeries = true;
        printedTitle = QStringLiteral("Закрепление слияния");
    }

    RowValues rowValues(const ResultRecord& r, const ResultsFilters& filters) const override {
        const double startX = r.DirectionValues[0];
        const double startY = r.DirectionValues[1];
        if (filters.bifix == 1) {
            return {r.ValueX, startX, {r.ValueX, startX}};
        }
        if (filters.bifix == 2) {
            return {r.ValueY, startY, {r.ValueY, startY}};
        }
        return {r.ValueX, r.ValueY, {r.ValueX, r.ValueY}};
    }
    GraphLegend screenLegend(const ResultsFilters& filters) const override {
        return formats::squintScreenLegend(filters.bifix);
    }
    GraphLegend printLegend(const ResultsFilters& filters) const override {
        return formats::squintPrintLegend(filters.bifix);
    }
};

} // namespace

const ResultsFormat& trenBificsResults() {
    static const TrenBificsResults format;
    return format;
}

} // namespace trelon
