#pragma once
// The results files: plain sequences of 288-byte result records, oldest first, without header.
// A record's position is its 0-based index in the file. A file whose size is not a multiple of
// 288 (a record torn by a crash) is read up to its last whole record.
//
// Every failure comes back as an error text naming the file, for the operator's error box.
#include "common/FileSystem.h"
#include "results/ResultRecord.h"

#include <QFile>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace trelon {

// Creates an empty results file (no records) when none exists at path.
FileResult EnsureResultsFile(const QString& path);

// Appends record to the file at path (created when missing) after its last whole record and
// flushes it to disk, holding the data folder's lock; only a successful return means the
// result is stored. The caller appends only records that carry a patient name. A patient's
// file (in the results subfolder) is refused a record whose name and number People.txt no
// longer pairs (another copy of the program changed the list); the common file takes any.
FileResult AppendResult(const QString& path, const ResultRecord& record);

// The number of whole records in a file of the given size.
int RecordCountForSize(qint64 fileSize);

// Reads the records of one results file by position; the file stays open while the reader
// lives.
class ResultsFileReader {
public:
    FileResult open(const QString& path);
    int recordCount() const { return count_; }
    // Reads the record at the 0-based position into record.
    FileResult ReadRecord(int position, ResultRecord& record);
    // The bytes the last ReadRecord read.
    const QByteArray& lastBytes() const { return lastBytes_; }

private:
    QFile file_;
    int count_ = 0;
    QByteArray lastBytes_;
};

// A record read from a results file with its 0-based position there.
struct StoredRecord {
    int position = 0;
    ResultRecord record;
};

// The bytes of a record as read, at its 0-based position.
struct RecordBytes {
    int position = 0;
    QByteArray bytes;
};

// The records of a file, and the error that stopped the reading, if any. On an error the
// records read before it are kept.
struct ResultsReading {
    std::vector<StoredRecord> records;
    std::vector<RecordBytes> bytes; // each record's, in the same order
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Reads every record of the file, newest (highest position) first.
ResultsReading ReadRecordsNewestFirst(const QString& path);

// Rewrites the file with exactly the records whose 0-based position satisfies keep, in their
// stored order, holding the data folder's lock. The new contents go to a temporary file in the
// same folder that is flushed and renamed over the original, so an interruption leaves the old
// or the new file whole. A missing file is left missing. A torn last record is dropped.
FileResult RemoveRecords(const QString& path, const std::function<bool(int position)>& keep);

// Removes the records the operator selected from what was read earlier. Each must still be in
// the file at its position with the bytes read; when one is gone or moved (another copy of the
// program changed the file) nothing is written and stale is set.
struct RecordRemoval {
    QString error;
    bool stale = false;
};
RecordRemoval RemoveReadRecords(const QString& path, const std::vector<RecordBytes>& selected);

} // namespace trelon
