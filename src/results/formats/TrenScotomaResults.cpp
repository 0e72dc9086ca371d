#include "results/formats/TrenScotomaResults.h"

#include "results/formats/SharedColumns.h"

#include <array>

namespace trelon {

namespace {

class TrenScotomaResults : public ResultsFormat {
public:
    TrenScotomaResults() {
        using namespace formats;
        kind = ProcedureKind::TrenScotoma;
        listName = QStringLiteral("Ликвидация скотомы");
        captionName = QStringLiteral("Ликвидация скотомы");
        exportName = QStringLiteral("Ликвидация функциональной скотомы");
        ResultsColumn size = sizeColumn();
        size.langTitle = nullptr;
        size.fixedTitle = QStringLiteral("Размер");
        columns = {size,
                   distanceColumn(),
                   paletteColumn(),
                   fixedColumn(QStringLiteral("Фигура"),
                               [](const ResultRecord& r) {
                                   return QString(QStringLiteral("  ") + r.ObjectName).left(14);
                               }),
                   fixedColumn(QStringLiteral("Скотома"),
                               [](const ResultRecord& r) { return twoSpaced(r.ValueX); }),
                   fixedColumn(QStringLiteral("Направление"),
                               [](const ResultRecord& r) { return twoSpaced(r.WorkMode); })};
        columnWidth = evenShare(8, 40, 7);
        offersDirectionFilter = true;
        directionsLabelled = true;
        // No title was printed for this procedure; its own name is the natural one.
        printedTitle = QStringLiteral("Ликвидация функциональной скотомы");
    }

    bool keeps(const ResultRecord& r, const ResultsFilters& filters) const override {
        // Direction items 1..8 keep the sessions trained in 0, 45 … 315 degrees.
        static constexpr std::array<int, 8> directions = {0, 45, 90, 135, 180, 225, 270, 315};
        return filters.direction < 1 || filters.direction > 8 ||
               r.WorkMode == directions[static_cast<std::size_t>(filters.direction - 1)];
    }
};

} // namespace

const ResultsFormat& trenScotomaResults() {
    static const TrenScotomaResults format;
    return format;
}

} // namespace trelon
