#pragma once
// Helpers shared by the tests of stored results and played sounds.
#include "results/ResultRecord.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace trelon::test {

// The records of the results file at path, decoded; none when the file is missing. A file
// that is not a whole number of records fails the calling test.
std::vector<ResultRecord> storedRecords(const QString& path);

// The file names (without their folders) of the given paths, in order.
QStringList fileNames(const QStringList& paths);

} // namespace trelon::test
