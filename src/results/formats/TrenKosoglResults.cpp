#include "results/formats/TrenKosoglResults.h"

#include "results/formats/SharedColumns.h"

namespace trelon {

namespace {

QString modeText(int workMode) {
    static const QStringList texts = {QStringLiteral("Рч."), QStringLiteral("Пз"),
                                      QStringLiteral("Рвн.")};
    return texts.value(workMode);
}

// Items 2 and 3 ("Ручной по X", "Ручной по Y") plot one axis at the end and the start.
int plottedAxis(const ResultsFilters& f) {
    return f.trenKosoglMode == 2 ? 1 : f.trenKosoglMode == 3 ? 2 : 0;
}

class TrenKosoglResults : public ResultsFormat {
public:
    TrenKosoglResults() {
        using namespace formats;
        kind = ProcedureKind::TrenKosogl;
        listName = QStringLiteral("Устранение косоглазия");
        captionName = QStringLiteral("Устранение косоглазия");
        exportName = QStringLiteral("Устранение косоглазия");
        const ResultsColumn mode = fixedColumn(
            QStringLiteral("Режим"), [](const ResultRecord& r) { return modeText(r.WorkMode); });
        columns = joined(joined(pictureColumns(), {mode}), endAndStartColumns());
        firstColumnWidth = 30;
        columnWidth = evenShare(11, 30, 11);
        choice = ResultsChoice{QStringLiteral("Показать"),
                               {QStringLiteral("Все"), QStringLiteral("Ручной"),
                                QStringLiteral("Ручной по X  (на граф.)"),
                                QStringLiteral("Ручной по Y  (на граф.)"),
                                QStringLiteral("С  паузами"), QStringLiteral("Равномерный")},
                               &ResultsFilters::trenKosoglMode,
                               false,
                               true};
        twoSeries = true;
    }

    bool keeps(const ResultRecord& r, const ResultsFilters& filters) const override {
        // Work modes: 0 by hand, 1 automatic with pauses, 2 automatic even.
        switch (filters.trenKosoglMode) {
        case 0:
            return true;
        case 1:
        case 2:
        case 3:
            return r.WorkMode == 0;
        case 4:
            return r.WorkMode == 1;
        default:
            return r.WorkMode == 2;
        }
    }
    RowValues rowValues(const ResultRecord& r, const ResultsFilters& filters) const override {
        const double startX = r.DirectionValues[0];
        const double startY = r.DirectionValues[1];
        switch (plottedAxis(filters)) {
        case 1:
            return {r.ValueX, startX, {r.ValueX, r.ValueY, startX}};
        case 2:
            return {r.ValueY, startY, {r.ValueX, r.ValueY, startY}};
        default:
            return {r.ValueX, r.ValueY, {r.ValueX, r.ValueY}};
        }
    }
    GraphLegend screenLegend(const ResultsFilters& filters) const override {
        return formats::squintScreenLegend(plottedAxis(filters));
    }
    GraphLegend printLegend(const ResultsFilters& filters) const override {
        return formats::squintPrintLegend(plottedAxis(filters));
    }
    QString printTitle(const ResultsFilters& filters) const override {
        static const QStringList modes = {QStringLiteral(" - все режимы"),
                                          QStringLiteral(" - ручной режим"),
                                          QStringLiteral(" - ручной режим"),
                                          QStringLiteral(" - ручной режим"),
                                          QStringLiteral(" - автоматический с паузами"),
                                          QStringLiteral(" - автоматический равномерный")};
        return QStringLiteral("Устранение косоглазия") + modes.value(filters.trenKosoglMode);
    }
};

} // namespace

const ResultsFormat& trenKosoglResults() {
    static const TrenKosoglResults format;
    return format;
}

} // namespace trelon
