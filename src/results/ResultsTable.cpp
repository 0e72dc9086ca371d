#include "results/ResultsTable.h"

#include "common/Rounding.h"
#include "results/SessionDate.h"
#include "results/VisionTypes.h"

#include <algorithm>
#include <cmath>

namespace trelon {

namespace {

constexpr std::array<int, 6> kListedDistances = {50, 100, 200, 300, 400, 500};
constexpr std::array<int, 8> kDirections = {0, 45, 90, 135, 180, 225, 270, 315};

QString paletteText(int level) {
    static const QStringList texts = {QStringLiteral("Первая"), QStringLiteral("Вторая"),
                                      QStringLiteral("Третья")};
    return texts.value(level - 1);
}

QString modeText(int workMode) {
    static const QStringList texts = {QStringLiteral("Рч."), QStringLiteral("Пз"),
                                      QStringLiteral("Рвн.")};
    return texts.value(workMode);
}

QString typeText(int objectNumber) {
    static const QStringList texts = {QStringLiteral("Р+"), QStringLiteral("Р-"),
                                      QStringLiteral("ГрХ"), QStringLiteral("Гр")};
    return texts.value(objectNumber - 1);
}

bool distanceListed(double distanceCm, const ResultsFilters& filters) {
    if (filters.allDistances) {
        return true;
    }
    for (std::size_t i = 0; i < kListedDistances.size(); ++i) {
        if (distanceCm == kListedDistances[i]) {
            return filters.distances[i];
        }
    }
    return true; // another distance is never filtered out
}

bool procedureFilterKeeps(ProcedureKind procedure, const ResultRecord& r,
                          const ResultsFilters& filters) {
    switch (procedure) {
    case ProcedureKind::TrenKosogl:
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
    case ProcedureKind::DiagFuzia: {
        static constexpr std::array<std::array<int, 2>, 6> kept = {
            {{1, 2}, {1, 1}, {2, 2}, {3, 4}, {3, 3}, {4, 4}}};
        const auto& pair = kept[static_cast<std::size_t>(std::clamp(filters.fuzType, 0, 5))];
        return r.ObjectNumber == pair[0] || r.ObjectNumber == pair[1];
    }
    case ProcedureKind::TrenCvetotest:
        return filters.trenFuzType == 0 || r.ObjectNumber == filters.trenFuzType;
    default:
        return true;
    }
}

QString spaced(const QString& prefix, double value) {
    return prefix + FormatResultNumber(value);
}

// The cells of columns 2 up to the one before RecordPosition.
QStringList recordCells(ProcedureKind procedure, const ResultRecord& r) {
    const QString two = QStringLiteral("  ");
    const QString one = QStringLiteral(" ");
    const QString size = spaced(two, r.ObjectSize);
    const QString distance = spaced(two, r.DistanceCm);
    const QString palette = paletteText(r.ContrastLevel);
    switch (procedure) {
    case ProcedureKind::DiagCvetotest: {
        const double field = r.ValueX;
        const bool whole = std::isfinite(field) && field == std::trunc(field);
        const auto text =
            whole ? colourTestVisionText(static_cast<int>(field), r.FilterPosition) : std::nullopt;
        return {size, distance, palette, two + text.value_or(QString())};
    }
    case ProcedureKind::TrenScotoma:
        return {size,
                distance,
                palette,
                QString(two + r.ObjectName).left(14),
                spaced(two, r.ValueX),
                spaced(two, r.WorkMode)};
    case ProcedureKind::DiagKosogl:
        return {
            size, distance, palette, r.ObjectName, spaced(two, r.ValueX), spaced(two, r.ValueY)};
    case ProcedureKind::TrenKosogl:
        return {size,
                distance,
                palette,
                r.ObjectName,
                modeText(r.WorkMode),
                spaced(one, r.ValueX),
                spaced(one, r.ValueY),
                spaced(one, r.DirectionValues[0]),
                spaced(one, r.DirectionValues[1])};
    case ProcedureKind::TrenBifics:
        return {size,
                distance,
                palette,
                r.ObjectName,
                spaced(one, r.ValueX),
                spaced(one, r.ValueY),
                spaced(one, r.DirectionValues[0]),
                spaced(one, r.DirectionValues[1])};
    case ProcedureKind::DiagScotoma: {
        QStringList cells = {distance, palette};
        for (double value : r.DirectionValues) {
            cells << FormatResultNumber(std::fabs(value));
        }
        return cells;
    }
    case ProcedureKind::DiagFuzia:
    case ProcedureKind::TrenCvetotest:
        return {size, distance, palette, spaced(two, r.ValueX), typeText(r.ObjectNumber)};
    }
    return {};
}

} // namespace

TableTitles TableTitles::fromLang(const LangFile& lang) {
    const QString section = QStringLiteral("RezultForm");
    TableTitles t;
    t.date = lang.ReadText(section, QStringLiteral("ZaglData"), t.date);
    t.size = lang.ReadText(section, QStringLiteral("ZaglSize"), t.size);
    t.distance = lang.ReadText(section, QStringLiteral("ZaglDist"), t.distance);
    t.contrast = lang.ReadText(section, QStringLiteral("ZaglContrast"), t.contrast);
    t.horizontal = lang.ReadText(section, QStringLiteral("ZaglKosoglHor"), t.horizontal);
    t.vertical = lang.ReadText(section, QStringLiteral("ZaglKosoglVert"), t.vertical);
    return t;
}

QStringList ResultsColumnTitles(ProcedureKind procedure, const TableTitles& t) {
    const QString n = QStringLiteral("N");
    const QString figure = QStringLiteral("Фигура");
    const QStringList standard = {n, t.date, t.size, t.distance, t.contrast};
    QStringList titles;
    switch (procedure) {
    case ProcedureKind::DiagCvetotest:
        titles = standard + QStringList{QStringLiteral("Результат")};
        break;
    case ProcedureKind::TrenScotoma:
        titles = {n,          t.date, QStringLiteral("Размер"),  t.distance,
                  t.contrast, figure, QStringLiteral("Скотома"), QStringLiteral("Направление")};
        break;
    case ProcedureKind::DiagKosogl:
        titles = standard + QStringList{figure, t.horizontal, t.vertical};
        break;
    case ProcedureKind::TrenKosogl:
        titles =
            standard + QStringList{figure,     QStringLiteral("Режим"), t.horizontal,
                                   t.vertical, QStringLiteral("Xнач."), QStringLiteral("Yнач.")};
        break;
    case ProcedureKind::TrenBifics:
        titles = standard + QStringList{figure, t.horizontal, t.vertical, QStringLiteral("Xнач."),
                                        QStringLiteral("Yнач.")};
        break;
    case ProcedureKind::DiagScotoma:
        titles = {n, t.date, t.distance, t.contrast};
        for (int angle : {0, 90, 180, 270, 45, 135, 225, 315}) {
            titles << QString::number(angle);
        }
        break;
    case ProcedureKind::DiagFuzia:
    case ProcedureKind::TrenCvetotest:
        titles = standard + QStringList{QStringLiteral("X,град."), QStringLiteral("Тип")};
        break;
    }
    titles << QString(); // RecordPosition
    return titles;
}

std::vector<int> ResultsColumnWidths(ProcedureKind procedure, int w) {
    const int count = static_cast<int>(ResultsColumnTitles(procedure, {}).size());
    std::vector<int> widths(static_cast<std::size_t>(count));
    auto fill = [&](int first, int other) {
        std::fill(widths.begin(), widths.end(), other);
        widths.front() = first;
    };
    switch (procedure) {
    case ProcedureKind::DiagCvetotest: {
        const int base = w / 6 + (w / 6 - 20) / 5;
        fill(20, base - 20);
        widths[5] = base + 80;
        break;
    }
    case ProcedureKind::TrenScotoma:
    case ProcedureKind::DiagKosogl:
        fill(40, w / 8 + (w / 8 - 40) / 7);
        break;
    case ProcedureKind::TrenKosogl:
        fill(30, w / 11 + (w / 11 - 30) / 11);
        break;
    case ProcedureKind::TrenBifics:
        fill(30, w / 10 + (w / 10 - 30) / 9);
        break;
    case ProcedureKind::DiagScotoma:
        fill(40, w / 13 + (w / 13 - 40) / 12);
        break;
    case ProcedureKind::DiagFuzia:
    case ProcedureKind::TrenCvetotest:
        fill(40, w / 6 + (w / 6 - 80) / 5);
        break;
    }
    widths.back() = 1;
    return widths;
}

GridMetrics ResultsGridMetrics(double displayScale) {
    // kp 133 gives 14 px rows and an 8-point font; a smaller kp (the default 2 rounds both to
    // 0) would leave a table nobody can read.
    const double scale = std::isfinite(displayScale) ? std::min(displayScale, 100.0) : 0.0;
    GridMetrics m;
    m.rowHeight = std::max(14, static_cast<int>(roundHalfEven(scale * 14 * 3 / 4)));
    m.fontPoints = std::max(8, static_cast<int>(roundHalfEven(scale * 8 * 3 / 4)));
    return m;
}

bool ResultListed(ProcedureKind procedure, const ResultRecord& r, int patientNumber,
                  const ResultsFilters& filters) {
    if (r.PatientNumber != patientNumber || !distanceListed(r.DistanceCm, filters)) {
        return false;
    }
    if (filters.contrast >= 1 && filters.contrast <= 3 && r.ContrastLevel != filters.contrast) {
        return false;
    }
    if (filters.direction >= 1 && filters.direction <= 8 &&
        procedureKindOf(r) == ProcedureKind::TrenScotoma &&
        r.WorkMode != kDirections[static_cast<std::size_t>(filters.direction - 1)]) {
        return false;
    }
    const bool sameProcedure = (r.IsDiagnostics == 1) == isDiagnostics(procedure) &&
                               r.ProcedureNumber == procedureNumberOf(procedure);
    return sameProcedure && procedureFilterKeeps(procedure, r, filters);
}

ResultsTable FillResultsTable(ProcedureKind procedure, const std::vector<StoredRecord>& newestFirst,
                              int patientNumber, const ResultsFilters& filters,
                              const TableTitles& titles) {
    ResultsTable table;
    table.procedure = procedure;
    table.titles = ResultsColumnTitles(procedure, titles);
    for (const StoredRecord& stored : newestFirst) {
        if (!ResultListed(procedure, stored.record, patientNumber, filters)) {
            continue;
        }
        ResultsRow row;
        row.position = stored.position + 1;
        row.record = stored.record;
        row.cells.reserve(table.titles.size());
        row.cells << QString() << FormatSessionDate(stored.record.SessionDate)
                  << recordCells(procedure, stored.record) << QString::number(row.position);
        table.rows.push_back(std::move(row));
    }
    const int count = table.rowCount();
    for (int i = 0; i < count; ++i) {
        table.rows[static_cast<std::size_t>(i)].cells[0] = QString::number(count - i);
    }
    return table;
}

QString FormatResultNumber(double value) {
    if (value == 0.0) {
        return QStringLiteral("0"); // also for -0
    }
    // The clinic's Russian system writes a decimal comma, as the run's result lines do.
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString FormatSessionDate(double days) {
    const QDate date = DateFromSessionDate(days);
    if (!date.isValid()) {
        return {};
    }
    return QStringLiteral("%1.%2.%3")
        .arg(date.month())
        .arg(date.day())
        .arg(((date.year() % 100) + 100) % 100, 2, 10, QLatin1Char('0'));
}

QStringList ResultsProcedureNames(bool diagnostics) {
    if (diagnostics) {
        return {QStringLiteral("Цветотест"), QStringLiteral("Угол косоглазия"),
                QStringLiteral("Функциональная скотома"), QStringLiteral("Фузионные резервы")};
    }
    return {QStringLiteral("Ликвидация скотомы"), QStringLiteral("Устранение косоглазия"),
            QStringLiteral("Закрепление слияния"), QStringLiteral("Развитие Фузионных резервов")};
}

QString ResultsScreenCaption(ProcedureKind procedure) {
    static const QStringList suffixes = {QStringLiteral("Оценка характера зрения (Цветотест)"),
                                         QStringLiteral("Углы косоглазия"),
                                         QStringLiteral("Функциональная скотома"),
                                         QStringLiteral("Фузионные резервы и границы"),
                                         QStringLiteral("Ликвидация скотомы"),
                                         QStringLiteral("Устранение косоглазия"),
                                         QStringLiteral("Закрепление слияния"),
                                         QStringLiteral("Развитие фузионных резервов")};
    const QString prefix = isDiagnostics(procedure) ? QStringLiteral("Результаты диагностики -  ")
                                                    : QStringLiteral("Результаты тренировки - ");
    return prefix + suffixes.value(static_cast<int>(procedure) - 1);
}

} // namespace trelon
