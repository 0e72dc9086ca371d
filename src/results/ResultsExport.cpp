#include "results/ResultsExport.h"

#include "common/Cp1251.h"
#include "common/DataFolderLock.h"
#include "results/ResultsFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace trelon {

namespace {

QString procedureLine(ProcedureKind procedure) {
    const QString group =
        isDiagnostics(procedure) ? QStringLiteral("Диагностика: ") : QStringLiteral("Тренировка: ");
    return group + resultsFormatOf(procedure).exportName;
}

QByteArray cp1251Line(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text) {
        bytes += toCp1251(QString(c)).value_or(QByteArray("?"));
    }
    return bytes + "\r\n";
}

} // namespace

QString ResultsExportPath(const QString& dataDir, int patientNumber) {
    return resolvePath(dataDir, QStringLiteral("rezults/%1.txt").arg(patientNumber));
}

bool ResultsExportable(const ResultsTable& table) {
    return !table.rows.empty() && !table.rows.front().cells.value(2).isEmpty();
}

QByteArray ResultsExportBlock(const QString& patientName, const ResultsTable& table) {
    const int columns = table.columnCount() - 1; // without RecordPosition
    QByteArray block = cp1251Line(patientName);
    block += cp1251Line(procedureLine(table.procedure));
    block += cp1251Line(QString(27, QLatin1Char('_')));
    block += cp1251Line(table.titles.mid(0, columns).join(QLatin1Char('\t')));
    for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
        block += cp1251Line(row->cells.mid(0, columns).join(QLatin1Char('\t')));
    }
    return block;
}

FileResult ExportResultsText(const QString& path, const QByteArray& block) {
    QString stem = path;
    if (stem.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) {
        stem.chop(4);
    }
    const QString denied =
        QStringLiteral("File ") + stem + QStringLiteral(".txt is denyed for writing.");
    const DataFolderLock lock(DataFolderLock::dataFolderOfResults(path));
    if (!lock.locked()) {
        return {denied + QLatin1Char('\n') + lock.error()};
    }
    const bool existed = QFileInfo::exists(path);
    if (appendToFile(path, block).ok()) {
        return {};
    }
    if (!existed) {
        QFile::remove(path); // an empty file of a failed first export would only mislead
    }
    return {denied};
}

} // namespace trelon
