#pragma once
// Helpers shared by the tests of stored results and played sounds.
#include "results/ResultRecordCodec.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace trelon::test {

// The records of the results file at path, decoded; none when the file is missing. A file
// that is not a whole number of records fails the calling test.
inline std::vector<ResultRecord> storedRecords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size() % kResultRecordSize, 0) << "torn results file " << path.toStdString();
    std::vector<ResultRecord> records;
    for (qsizetype at = 0; at + kResultRecordSize <= bytes.size(); at += kResultRecordSize) {
        records.push_back(*DecodeResultRecord(bytes.mid(at, kResultRecordSize)));
    }
    return records;
}

// The file names (without their folders) of the given paths, in order.
inline QStringList fileNames(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) {
        names << path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
    return names;
}

} // namespace trelon::test
