#pragma once
// How one procedure's results read: the columns of its table (title, width, cell text in one
// list, so the three always agree), the filter choice it offers and what each item keeps, the
// series its graph plots with their legends, and the names it goes by. One format per
// procedure lives in results/formats/; the table, the graph, the printout, the text export
// and the results screen read a procedure's format instead of asking which procedure it is.
#include "results/ProcedureKind.h"
#include "results/ResultsTable.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace trelon {

// One column between the date and the record position.
struct ResultsColumn {
    // A replaceable title of Lang.ini, or the fixed title when null.
    QString TableTitles::*langTitle = nullptr;
    QString fixedTitle;
    std::function<QString(const ResultRecord&)> cell;
    int extraWidth = 0; // pixels beyond the format's column width

    QString title(const TableTitles& titles) const {
        return langTitle != nullptr ? titles.*langTitle : fixedTitle;
    }
};

// The radio group a procedure offers above its distance filter: its items and the filter
// field that takes the chosen item's index.
struct ResultsChoice {
    QString caption;
    QStringList items;
    int ResultsFilters::*field = nullptr;
    bool resetsOnOpen = false; // back to the first item each time the screen opens
    bool resetsOnShow = false; // back to the first item each time the procedure is shown
    bool redrawsOnly = false;  // changes what the graph plots, never the listed sessions
};

// The two plotted values of a row and the further values the vertical range covers.
struct RowValues {
    double first = 0;
    double second = 0;
    std::vector<double> range;
};

struct GraphLegend {
    QString first;
    QString second;
};

class ResultsFormat {
public:
    virtual ~ResultsFormat() = default;

    ProcedureKind kind = ProcedureKind::None;
    QString listName;    // ComboBoxExp's item
    QString captionName; // the screen caption after its group prefix
    QString exportName;  // the text export's procedure line after its group prefix
    std::vector<ResultsColumn> columns;
    int firstColumnWidth = 40; // the session number's column
    // The width of every other column in a grid gridWidth pixels wide.
    std::function<int(int gridWidth)> columnWidth = [](int) { return 0; };
    std::optional<ResultsChoice> choice;
    bool offersDistanceFilter = true; // distances and palettes
    bool offersDirectionFilter = false;
    bool graphed = true;
    bool twoSeries = false;
    bool reserveMarkers = false;     // blue circles for negative reserves and uncrossed limits
    bool directionsLabelled = false; // graph points carry their direction and row number
    bool smallPrintedPalette = false;

    // True when the record passes the format's own filter choices.
    virtual bool keeps(const ResultRecord& record, const ResultsFilters& filters) const;
    virtual RowValues rowValues(const ResultRecord& record, const ResultsFilters& filters) const;
    virtual GraphLegend screenLegend(const ResultsFilters& filters) const;
    // The printed legend; the screen's unless a format prints its own.
    virtual GraphLegend printLegend(const ResultsFilters& filters) const;
    virtual QString printTitle(const ResultsFilters& filters) const;

protected:
    QString printedTitle; // the printed graph's title when no choice changes it
};

// The format of kind; the no-procedure format (no columns, nothing plotted) for None.
const ResultsFormat& resultsFormatOf(ProcedureKind kind);

} // namespace trelon
