#pragma once
// The results screen without its widgets: which procedure it shows (the shared group and
// number of the session), the filter choices, the table read from the patient's results
// file, the deletion of rows, the graph data, the text export and the printed graph's
// settings. The screen shows what this class computes and forwards the operator's actions.
#include "platform/Dialogs.h"
#include "results/ResultsFormat.h"
#include "results/ResultsGraph.h"
#include "results/ResultsGraphDraw.h"
#include "results/ResultsPrint.h"
#include "results/ResultsTable.h"
#include "review/GraphPrintSettings.h"

#include <QString>
#include <array>

namespace trelon {

struct SharedState;

class ResultsReview {
public:
    ResultsReview(SharedState& state, Dialogs& dialogs);

    // Each time the screen is shown: clears SessionAborted, resets the filters that reset on
    // opening and starts with diagnostics 1 when no procedure is chosen. False when the
    // results file is missing (the screen closes).
    bool open();
    // The operator chose a group or a procedure of the group: the shared session's
    // diagnostics flag and number change and the procedure is shown. False when the results
    // file is missing.
    bool chooseGroup(bool diagnostics);
    bool chooseProcedure(int number);
    // Shows the current procedure: resets its mode filter, then fills the table.
    bool showProcedure();
    // Fills the table again from the file (after a filter change); read errors reach the
    // operator and the table keeps the rows read before the error.
    void refill();

    ProcedureKind procedure() const;
    // The shown procedure's table, filter and graph, from its registry line.
    const ResultsFormat& format() const;
    ResultsFilters& filters() { return filters_; }
    const ResultsTable& table() const { return table_; }
    QString caption() const { return ResultsScreenCaption(procedure()); }
    // LabelFamily: " N" + the patient's number, three spaces and the name.
    QString patientLabel() const;
    PrintHeading printHeading() const;
    const GraphAxisTitles& axisTitles() const { return axisTitles_; }

    // Ctrl+Delete on the grid rows top..bottom (1-based, newest first): after the operator's
    // Yes the sessions of those rows leave the file, every other record keeps its order, and
    // the table is filled again. The records removed are the ones read, checked byte for byte:
    // when another copy of the program changed the file under them, nothing is removed, the
    // table is read again and the operator told. True when records were removed.
    bool deleteRows(int top, int bottom);

    // The graph of the listed rows, or of the selected rows top..bottom when they are more
    // than one.
    GraphData graph(int selectionTop = 0, int selectionBottom = 0) const;

    // Appends the table to the patient's rezults/N.txt; a failure shows the operator the
    // message naming the file. Nothing happens for a table without rows.
    void exportText();

    // The printed graph's line widths (in thousandths) and tick fonts as the panel lists them.
    GraphSettingValues graphSettings() const;
    // "Применить": makes the values current.
    void applyGraphSettings(const GraphSettingValues& values);
    // "Записать параметры...": after the operator's Yes writes the values to Class.ini without
    // making them current.
    void writeGraphSettings(const GraphSettingValues& values);

private:
    bool resultsFileExists() const;

    SharedState& state_;
    Dialogs& dialogs_;
    ResultsFilters filters_;
    ResultsTable table_;
    std::vector<RecordBytes> readBytes_; // the records as read for table_
    TableTitles titles_;
    GraphAxisTitles axisTitles_;
};

} // namespace trelon
