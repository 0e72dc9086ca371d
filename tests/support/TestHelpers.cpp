#include "support/TestHelpers.h"

#include "results/ResultRecordCodec.h"

#include <QFile>
#include <gtest/gtest.h>

namespace trelon::test {

std::vector<ResultRecord> storedRecords(const QString& path) {
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

QStringList fileNames(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths) {
        names << path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    }
    return names;
}

} // namespace trelon::test
