#pragma once
// The results table of one procedure, computed without widgets: its columns, their titles,
// widths and cell texts, the filters that choose the listed sessions and their numbering.
// The results screen shows the table as it stands here; the graph, the printout and the text
// export read the same rows.
#include "config/LangText.h"
#include "results/ProcedureKind.h"
#include "results/ResultsFile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace trelon {

// The filter choices of the screen, each an item index of its control.
struct ResultsFilters {
    bool allDistances = true;        // CheckBoxAll "все"
    std::array<bool, 6> distances{}; // "50 см", "1 м", "2 м", "3 м", "4 м", "5 м"
    int contrast = 0;                // RadioGroupContrast: "все", then levels 1..3
    int direction = 0;               // RadioGroupUgol: "Все", then 0, 45, 90 … 315 degrees
    int trenKosoglMode = 0;          // RadioGroupTrenKosogl
    int bifix = 0;                   // RadioGroupBifix (graph choice only)
    int scotomaAxis = 0;             // RadioGroupScotoma (graph choice only)
    int fuzType = 0;                 // RadioGroupFuz
    int trenFuzType = 0;             // RadioGroupTrenFuz
};

// The replaceable column titles (section "RezultForm" of Lang.ini).
struct TableTitles {
    QString date = QStringLiteral("Date");
    QString size = QStringLiteral("Разм.гр.");
    QString distance = QStringLiteral("D,см");
    QString contrast = QStringLiteral("Палитра");
    QString horizontal = QStringLiteral("X,град.");
    QString vertical = QStringLiteral("Y,град.");

    static TableTitles fromLang(const LangFile& lang);
};

// One listed session.
struct ResultsRow {
    QStringList cells;   // every column: session number first, RecordPosition last
    ResultRecord record; // the stored record the cells show
    int position = 0;    // 1-based position in the results file (the RecordPosition cell)
};

struct ResultsTable {
    ProcedureKind procedure = ProcedureKind::DiagCvetotest;
    QStringList titles;           // every column, RecordPosition (untitled) last
    std::vector<ResultsRow> rows; // newest first: rows[0] is grid row 1

    int columnCount() const { return static_cast<int>(titles.size()); }
    int rowCount() const { return static_cast<int>(rows.size()); }
};

// The column titles of a procedure's table.
QStringList ResultsColumnTitles(ProcedureKind procedure, const TableTitles& titles);

// The column widths in pixels for a grid gridWidth pixels wide; the last is always 1.
std::vector<int> ResultsColumnWidths(ProcedureKind procedure, int gridWidth);

// The grid's row height in pixels and font size in points for the display scale (kp / 100).
// They never fall below the readable 14 pixels and 8 points that kp 133 gives.
struct GridMetrics {
    int rowHeight = 14;
    int fontPoints = 8;
};
GridMetrics ResultsGridMetrics(double displayScale);

// True when the record of the patient passes the filters for the shown procedure.
bool ResultListed(ProcedureKind procedure, const ResultRecord& record, int patientNumber,
                  const ResultsFilters& filters);

// The table from the records of a results file read newest first: the records of the
// patient and procedure that pass the filters, numbered from the count of listed rows (top)
// down to 1 (bottom).
ResultsTable FillResultsTable(ProcedureKind procedure, const std::vector<StoredRecord>& newestFirst,
                              int patientNumber, const ResultsFilters& filters,
                              const TableTitles& titles = {});

// A number in the shortest general form (up to 15 significant digits) with a decimal comma;
// -0 reads 0.
QString FormatResultNumber(double value);

// A stored day count as month.day.two-digit year without leading zeros on month and day:
// 46363 (7 December 2026) reads "12.7.26". An impossible day count gives an empty text.
QString FormatSessionDate(double days);

// The four procedure names of a group for ComboBoxExp, in number order.
QStringList ResultsProcedureNames(bool diagnostics);

// The screen caption while the procedure is shown.
QString ResultsScreenCaption(ProcedureKind procedure);

} // namespace trelon
