#include "results/ResultsTable.h"

#include "common/Rounding.h"
#include "results/ResultsFormat.h"
#include "results/SessionDate.h"

#include <algorithm>
#include <cmath>

namespace trelon {

namespace {

constexpr std::array<int, 6> kListedDistances = {50, 100, 200, 300, 400, 500};

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
    QStringList titles = {QStringLiteral("N"), t.date};
    for (const ResultsColumn& column : resultsFormatOf(procedure).columns) {
        titles << column.title(t);
    }
    titles << QString(); // RecordPosition
    return titles;
}

std::vector<int> ResultsColumnWidths(ProcedureKind procedure, int w) {
    const ResultsFormat& format = resultsFormatOf(procedure);
    const int other = format.columnWidth(w);
    std::vector<int> widths = {format.firstColumnWidth, other};
    for (const ResultsColumn& column : format.columns) {
        widths.push_back(other + column.extraWidth);
    }
    widths.push_back(1);
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
    const bool sameProcedure = (r.IsDiagnostics == 1) == isDiagnostics(procedure) &&
                               r.ProcedureNumber == procedureNumberOf(procedure);
    return sameProcedure && resultsFormatOf(procedure).keeps(r, filters);
}

ResultsTable FillResultsTable(ProcedureKind procedure, const std::vector<StoredRecord>& newestFirst,
                              int patientNumber, const ResultsFilters& filters,
                              const TableTitles& titles) {
    const ResultsFormat& format = resultsFormatOf(procedure);
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
        row.cells << QString() << FormatSessionDate(stored.record.SessionDate);
        for (const ResultsColumn& column : format.columns) {
            row.cells << column.cell(stored.record);
        }
        row.cells << QString::number(row.position);
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
    QStringList names;
    for (int number = 1; number <= 4; ++number) {
        names << resultsFormatOf(procedureKindOf(diagnostics ? 1 : 0, number)).listName;
    }
    return names;
}

QString ResultsScreenCaption(ProcedureKind procedure) {
    const QString prefix = isDiagnostics(procedure) ? QStringLiteral("Результаты диагностики -  ")
                                                    : QStringLiteral("Результаты тренировки - ");
    return prefix + resultsFormatOf(procedure).captionName;
}

} // namespace trelon
