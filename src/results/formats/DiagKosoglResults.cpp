#include "results/formats/DiagKosoglResults.h"

#include "results/formats/SharedColumns.h"

namespace trelon {

namespace {

class DiagKosoglResults : public ResultsFormat {
public:
    DiagKosoglResults() {
        using namespace formats;
        kind = ProcedureKind::DiagKosogl;
        listName = QStringLiteral("Угол косоглазия");
        captionName = QStringLiteral("Углы косоглазия");
        exportName = QStringLiteral("Измерение угла косоглазия");
        columns = {sizeColumn(),
                   distanceColumn(),
                   paletteColumn(),
                   figureColumn(),
                   langColumn(&TableTitles::horizontal,
                              [](const ResultRecord& r) { return twoSpaced(r.ValueX); }),
                   langColumn(&TableTitles::vertical,
                              [](const ResultRecord& r) { return twoSpaced(r.ValueY); })};
        columnWidth = evenShare(8, 40, 7);
        twoSeries = true;
        smallPrintedPalette = true;
        printedTitle = QStringLiteral("Измерение угла косоглазия");
    }

    RowValues rowValues(const ResultRecord& r, const ResultsFilters&) const override {
        return {r.ValueX, r.ValueY, {r.ValueX, r.ValueY}};
    }
    GraphLegend screenLegend(const ResultsFilters&) const override {
        return formats::squintScreenLegend(0);
    }
    GraphLegend printLegend(const ResultsFilters&) const override {
        return formats::squintPrintLegend(0);
    }
};

} // namespace

const ResultsFormat& diagKosoglResults() {
    static const DiagKosoglResults format;
    return format;
}

} // namespace trelon
