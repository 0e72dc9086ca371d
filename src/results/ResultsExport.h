#pragma once
// The text export of a results table: blocks appended to rezults/N.txt beside the patient's
// results file, Windows-1251 text with CR LF line ends.
#include "common/FileSystem.h"
#include "results/ResultsTable.h"

#include <QByteArray>
#include <QString>

namespace trelon {

// The export file of a patient: DataDir + "rezults/" + N + ".txt", the folder's existing
// spelling kept.
QString ResultsExportPath(const QString& dataDir, int patientNumber);

// True when the table has something to export (a first row with a size cell).
bool ResultsExportable(const ResultsTable& table);

// One block: the patient's name, the procedure, a rule, the titles and the rows oldest
// first, tab-separated, every line ended by CR LF, in Windows-1251 (a character it cannot
// hold is written as '?').
QByteArray ResultsExportBlock(const QString& patientName, const ResultsTable& table);

// Appends the block to the file at path in one write, holding the data folder's lock; on
// failure the file keeps its earlier content (a file this call created is removed) and the
// error is the operator's message naming the file.
FileResult ExportResultsText(const QString& path, const QByteArray& block);

} // namespace trelon
