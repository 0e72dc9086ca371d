#pragma once
// Helpers for the results file tests: raw file access and distinguishable records.
#include "common/DataFolderLock.h"
#include "results/ResultRecord.h"
#include "results/ResultRecordCodec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace trelon::test {

inline QByteArray readRawFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeRawFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The files of folder, hidden ones too, but for the lock file that stays there.
inline QStringList filesBesideTheLock(const QString& folder) {
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.removeAll(QFileInfo(DataFolderLock::lockFileIn(folder)).fileName());
    return files;
}

// A record told apart from others by its number and value.
inline ResultRecord numberedRecord(int n) {
    ResultRecord r;
    r.PatientNumber = 7;
    r.PatientName = QStringLiteral("Петров");
    r.ObjectName = QStringLiteral("Круг %1").arg(n);
    r.IsDiagnostics = 1;
    r.ProcedureNumber = 2;
    r.ObjectNumber = static_cast<std::uint16_t>(n);
    r.ValueX = n + 0.5;
    r.DirectionValues[7] = -n;
    return r;
}

// The encoded bytes of records first .. last, in order.
inline QByteArray encodedRecords(int first, int last) {
    QByteArray bytes;
    for (int n = first; n <= last; ++n) {
        bytes += EncodeResultRecord(numberedRecord(n));
    }
    return bytes;
}

} // namespace trelon::test
