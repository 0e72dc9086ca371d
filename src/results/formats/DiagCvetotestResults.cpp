#include "results/formats/DiagCvetotestResults.h"

#include "results/VisionTypes.h"
#include "results/formats/SharedColumns.h"

#include <cmath>

namespace trelon {

namespace {

QString visionCell(const ResultRecord& r) {
    const double field = r.ValueX;
    const bool whole = std::isfinite(field) && field == std::trunc(field);
    const auto text =
        whole ? colourTestVisionText(static_cast<int>(field), r.FilterPosition) : std::nullopt;
    return QStringLiteral("  ") + text.value_or(QString());
}

class DiagCvetotestResults : public ResultsFormat {
public:
    DiagCvetotestResults() {
        using namespace formats;
        kind = ProcedureKind::DiagCvetotest;
        listName = QStringLiteral("Цветотест");
        captionName = QStringLiteral("Оценка характера зрения (Цветотест)");
        exportName = QStringLiteral("Оценка характера зрения, цветотест");
        ResultsColumn vision = fixedColumn(QStringLiteral("Результат"), visionCell);
        vision.extraWidth = 100; // the longest text of the table
        columns = {sizeColumn(), distanceColumn(), paletteColumn(), vision};
        firstColumnWidth = 20;
        columnWidth = [](int w) { return evenShare(6, 20, 5)(w) - 20; };
        offersDistanceFilter = false;
        graphed = false;
        smallPrintedPalette = true;
    }
};

} // namespace

const ResultsFormat& diagCvetotestResults() {
    static const DiagCvetotestResults format;
    return format;
}

} // namespace trelon
