#include "results/formats/SharedColumns.h"

namespace trelon::formats {

namespace {

QString paletteText(int level) {
    static const QStringList texts = {QStringLiteral("Первая"), QStringLiteral("Вторая"),
                                      QStringLiteral("Третья")};
    return texts.value(level - 1);
}

QString typeText(int objectNumber) {
    static const QStringList texts = {QStringLiteral("Р+"), QStringLiteral("Р-"),
                                      QStringLiteral("ГрХ"), QStringLiteral("Гр")};
    return texts.value(objectNumber - 1);
}

} // namespace

QString twoSpaced(double value) {
    return QStringLiteral("  ") + FormatResultNumber(value);
}

QString oneSpaced(double value) {
    return QStringLiteral(" ") + FormatResultNumber(value);
}

ResultsColumn sizeColumn() {
    return langColumn(&TableTitles::size,
                      [](const ResultRecord& r) { return twoSpaced(r.ObjectSize); });
}

ResultsColumn distanceColumn() {
    return langColumn(&TableTitles::distance,
                      [](const ResultRecord& r) { return twoSpaced(r.DistanceCm); });
}

ResultsColumn paletteColumn() {
    return langColumn(&TableTitles::contrast,
                      [](const ResultRecord& r) { return paletteText(r.ContrastLevel); });
}

ResultsColumn figureColumn() {
    return fixedColumn(QStringLiteral("Фигура"),
                       [](const ResultRecord& r) { return r.ObjectName; });
}

ResultsColumn fixedColumn(const QString& title, std::function<QString(const ResultRecord&)> cell) {
    ResultsColumn column;
    column.fixedTitle = title;
    column.cell = std::move(cell);
    return column;
}

ResultsColumn langColumn(QString TableTitles::*title,
                         std::function<QString(const ResultRecord&)> cell) {
    ResultsColumn column;
    column.langTitle = title;
    column.cell = std::move(cell);
    return column;
}

std::vector<ResultsColumn> pictureColumns() {
    return {sizeColumn(), distanceColumn(), paletteColumn(), figureColumn()};
}

std::vector<ResultsColumn> endAndStartColumns() {
    return {langColumn(&TableTitles::horizontal,
                       [](const ResultRecord& r) { return oneSpaced(r.ValueX); }),
            langColumn(&TableTitles::vertical,
                       [](const ResultRecord& r) { return oneSpaced(r.ValueY); }),
            fixedColumn(QStringLiteral("Xнач."),
                        [](const ResultRecord& r) { return oneSpaced(r.DirectionValues[0]); }),
            fixedColumn(QStringLiteral("Yнач."),
                        [](const ResultRecord& r) { return oneSpaced(r.DirectionValues[1]); })};
}

std::vector<ResultsColumn> joined(std::vector<ResultsColumn> first,
                                  const std::vector<ResultsColumn>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

std::vector<ResultsColumn> reserveColumns() {
    return {sizeColumn(), distanceColumn(), paletteColumn(),
            fixedColumn(QStringLiteral("X,град."),
                        [](const ResultRecord& r) { return twoSpaced(r.ValueX); }),
            fixedColumn(QStringLiteral("Тип"),
                        [](const ResultRecord& r) { return typeText(r.ObjectNumber); })};
}

std::function<int(int)> evenShare(int count, int less, int spreadOver) {
    return [=](int w) { return w / count + (w / count - less) / spreadOver; };
}

GraphLegend squintScreenLegend(int choice) {
    if (choice == 1) {
        return {QStringLiteral(" Х в конце"), QStringLiteral(" X в начале")};
    }
    if (choice == 2) {
        return {QStringLiteral(" Y в конце"), QStringLiteral(" Y в начале")};
    }
    return {QStringLiteral(" по горизонтали"), QStringLiteral(" по вертикали")};
}

GraphLegend squintPrintLegend(int choice) {
    // The printed legend writes a Latin X throughout.
    if (choice == 1 || choice == 2) {
        const QString axis = choice == 1 ? QStringLiteral("X") : QStringLiteral("Y");
        return {axis + QStringLiteral(" в конце"), axis + QStringLiteral(" в начале")};
    }
    return {QStringLiteral("По горизонтали"), QStringLiteral("По вертикали")};
}

GraphLegend reservesLegend() {
    return {QStringLiteral("положительные резервы"), QStringLiteral("отрицательные резервы")};
}

} // namespace trelon::formats
