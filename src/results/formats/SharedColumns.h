#pragma once
// Columns, widths and legends that several procedures' results share.
#include "results/ResultsFormat.h"

namespace trelon::formats {

// Cell texts: a number after a prefix of spaces, as the table aligns them.
QString twoSpaced(double value);
QString oneSpaced(double value);

ResultsColumn sizeColumn();     // the figure's size in degrees
ResultsColumn distanceColumn(); // the distance in centimetres
ResultsColumn paletteColumn();  // the palette level by name
ResultsColumn figureColumn();   // the figure's name
ResultsColumn fixedColumn(const QString& title, std::function<QString(const ResultRecord&)> cell);
ResultsColumn langColumn(QString TableTitles::*title,
                         std::function<QString(const ResultRecord&)> cell);

// The trainings' picture columns: size, distance, palette and figure.
std::vector<ResultsColumn> pictureColumns();
// The squint trainings' values: X and Y at the end, then X and Y at the start of the session.
std::vector<ResultsColumn> endAndStartColumns();
// first followed by then.
std::vector<ResultsColumn> joined(std::vector<ResultsColumn> first,
                                  const std::vector<ResultsColumn>& then);

// The reserve procedures' columns: size, distance, palette, the value and its type.
std::vector<ResultsColumn> reserveColumns();

// A column width of about a count-th of the grid: w / count + (w / count - less) / spreadOver,
// so that the columns together fill the grid beside a narrower first column.
std::function<int(int)> evenShare(int count, int less, int spreadOver);

// The squint procedures' legends for a graph of both axes (choice 0), of X (1) or of Y (2)
// at the end and at the start of the session.
GraphLegend squintScreenLegend(int choice);
GraphLegend squintPrintLegend(int choice);

GraphLegend reservesLegend();

} // namespace trelon::formats
