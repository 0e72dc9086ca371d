#include "results/ResultsFile.h"

#include "common/DataFolderLock.h"
#include "common/PeopleFile.h"
#include "common/StrictNumbers.h"
#include "results/ResultRecordCodec.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace trelon {

namespace {

QString openError(const QString& path, const QString& why) {
    return QStringLiteral("Не удалось открыть файл %1: %2").arg(path, why);
}

QString readError(const QString& path, const QString& why) {
    return QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, why);
}

QString unchangedError(const QString& path, const DataFolderLock& lock) {
    return QStringLiteral("Файл %1 не изменён.\n%2").arg(path, lock.error());
}

// Empty when the record may go to the results file at path; otherwise why not. A patient's
// file (in the results subfolder) takes only records of the name People.txt gives its number
// now: another copy of the program may have deleted the patient and given the number to
// someone else since the procedure began. A list that cannot be read checks nothing.
QString foreignPatient(const QString& path, const ResultRecord& record) {
    const QString dataFolder = DataFolderLock::dataFolderOfResults(path);
    if (QFileInfo(path).absolutePath() == dataFolder) {
        return {}; // the common results file of unnamed sessions
    }
    const QString peoplePath = resolvePath(dataFolder, QStringLiteral("People.txt"));
    QFile file(peoplePath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const PeopleFile people = parsePeopleFile(peoplePath, file.readAll());
    if (!people.error.isEmpty()) {
        return {};
    }
    for (const PatientEntry& entry : people.entries) {
        if (strToInt(entry.number) == record.PatientNumber &&
            entry.name.left(kPatientNameCapacity) == record.PatientName) {
            return {};
        }
    }
    return QStringLiteral("Пациент «%1» больше не записан под номером %2: список пациентов изменён "
                          "в другой копии программы. Файл %3 не изменён.")
        .arg(record.PatientName)
        .arg(record.PatientNumber)
        .arg(path);
}

} // namespace

FileResult EnsureResultsFile(const QString& path) {
    if (QFileInfo(path).isFile()) {
        return {};
    }
    // Creates the file; anything else in its place (a folder) makes this fail with an error.
    return appendToFile(path, QByteArray());
}

FileResult AppendResult(const QString& path, const ResultRecord& record) {
    const DataFolderLock lock(DataFolderLock::dataFolderOfResults(path));
    if (!lock.locked()) {
        return {unchangedError(path, lock)};
    }
    if (const QString foreign = foreignPatient(path, record); !foreign.isEmpty()) {
        return {foreign};
    }
    return appendRecordToFile(path, EncodeResultRecord(record));
}

int RecordCountForSize(qint64 fileSize) {
    const qint64 count = fileSize > 0 ? fileSize / kResultRecordSize : 0;
    return static_cast<int>(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

FileResult ResultsFileReader::open(const QString& path) {
    file_.close();
    count_ = 0;
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly)) {
        return {openError(path, file_.errorString())};
    }
    count_ = RecordCountForSize(file_.size());
    return {};
}

FileResult ResultsFileReader::ReadRecord(int position, ResultRecord& record) {
    const QString path = file_.fileName();
    if (position < 0 || position >= count_) {
        return {readError(path, QStringLiteral("записи %1 нет в файле").arg(position + 1))};
    }
    if (!file_.seek(static_cast<qint64>(position) * kResultRecordSize)) {
        return {readError(path, file_.errorString())};
    }
    const QByteArray bytes = file_.read(kResultRecordSize);
    lastBytes_ = bytes;
    const std::optional<ResultRecord> decoded = DecodeResultRecord(bytes);
    if (!decoded) {
        const QString why = bytes.size() < kResultRecordSize && file_.error() == QFile::NoError
                                ? QStringLiteral("файл короче ожидаемого")
                                : file_.errorString();
        return {readError(path, why)};
    }
    record = *decoded;
    return {};
}

ResultsReading ReadRecordsNewestFirst(const QString& path) {
    ResultsReading reading;
    ResultsFileReader reader;
    if (const FileResult opened = reader.open(path); !opened.ok()) {
        reading.error = opened.error;
        return reading;
    }
    reading.records.reserve(static_cast<std::size_t>(reader.recordCount()));
    for (int position = reader.recordCount() - 1; position >= 0; --position) {
        StoredRecord stored;
        stored.position = position;
        if (const FileResult read = reader.ReadRecord(position, stored.record); !read.ok()) {
            reading.error = read.error;
            break;
        }
        reading.bytes.push_back({position, reader.lastBytes()});
        reading.records.push_back(std::move(stored));
    }
    return reading;
}

namespace {

// Rewrites the file at path with the records keep(position, bytes) keeps, under the data
// folder's lock. A file of fewer than minCount records, or a keep that answers nothing, stops
// the rewrite: the file is left as it is.
FileResult rewriteRecords(
    const QString& path,
    const std::function<std::optional<bool>(int position, const QByteArray& bytes)>& keep,
    int minCount, bool& stopped) {
    stopped = false;
    const DataFolderLock lock(DataFolderLock::dataFolderOfResults(path));
    if (!lock.locked()) {
        return {unchangedError(path, lock)};
    }
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {openError(path, file.errorString())};
    }
    const int count = RecordCountForSize(file.size());
    if (count < minCount) {
        stopped = true;
        return {};
    }
    QByteArray kept;
    for (int position = 0; position < count; ++position) {
        const QByteArray bytes = file.read(kResultRecordSize);
        if (bytes.size() != kResultRecordSize) {
            const QString why = file.error() == QFile::NoError
                                    ? QStringLiteral("файл короче ожидаемого")
                                    : file.errorString();
            return {readError(path, why)};
        }
        const std::optional<bool> keepIt = keep(position, bytes);
        if (!keepIt) {
            stopped = true;
            return {};
        }
        if (*keepIt) {
            kept += bytes;
        }
    }
    file.close();
    return writeFileAtomically(path, kept);
}

} // namespace

FileResult RemoveRecords(const QString& path, const std::function<bool(int position)>& keep) {
    bool stopped = false;
    return rewriteRecords(
        path, [&](int position, const QByteArray&) { return std::optional<bool>(keep(position)); },
        0, stopped);
}

RecordRemoval RemoveReadRecords(const QString& path, const std::vector<RecordBytes>& selected) {
    const auto keep = [&](int position, const QByteArray& bytes) -> std::optional<bool> {
        for (const RecordBytes& chosen : selected) {
            if (chosen.position == position) {
                if (chosen.bytes != bytes) {
                    return std::nullopt; // another record is there now
                }
                return false;
            }
        }
        return true;
    };
    // A selected record past the file's end is gone too.
    int minCount = 0;
    for (const RecordBytes& chosen : selected) {
        minCount = std::max(minCount, chosen.position + 1);
    }
    RecordRemoval removal;
    removal.error = rewriteRecords(path, keep, minCount, removal.stale).error;
    return removal;
}

} // namespace trelon
