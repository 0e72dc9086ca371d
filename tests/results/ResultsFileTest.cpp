#include "results/ResultsFile.h"
#include "common/Cp1251.h"
#include "results/ResultsExport.h"
#include "results/ResultsTestFiles.h"
#include "support/FileWriteFaults.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace trelon;
using namespace trelon::test;

namespace {

class ResultsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        FileWriteFaults::watch(dir.path());
        FileWriteFaults::reset();
    }
    void TearDown() override {
        FileWriteFaults::reset();
        FileWriteFaults::watch(QString());
    }

    QString file(const QString& name = QStringLiteral("12.dat")) const {
        return dir.path() + QLatin1Char('/') + name;
    }
    std::vector<int> numbersNewestFirst(const QString& path) const {
        const ResultsReading reading = ReadRecordsNewestFirst(path);
        EXPECT_TRUE(reading.ok()) << reading.error.toStdString();
        std::vector<int> numbers;
        for (const StoredRecord& stored : reading.records) {
            EXPECT_EQ(stored.record.ObjectNumber - 1, stored.position);
            numbers.push_back(stored.record.ObjectNumber);
        }
        return numbers;
    }

    QTemporaryDir dir;
};

using Numbers = std::vector<int>;

} // namespace

TEST_F(ResultsFileTest, EnsureCreatesAnEmptyFileAndKeepsAnExistingOne) {
    ASSERT_TRUE(EnsureResultsFile(file()).ok());
    EXPECT_TRUE(QFileInfo(file()).isFile());
    EXPECT_EQ(QFileInfo(file()).size(), 0);
    EXPECT_EQ(numbersNewestFirst(file()), Numbers{});

    ASSERT_TRUE(writeRawFile(file(), encodedRecords(1, 2)));
    ASSERT_TRUE(EnsureResultsFile(file()).ok());
    EXPECT_EQ(readRawFile(file()), encodedRecords(1, 2));
}

TEST_F(ResultsFileTest, AppendCreatesAMissingFileAndAddsAtTheEnd) {
    ASSERT_TRUE(AppendResult(file(), numberedRecord(1)).ok());
    EXPECT_EQ(readRawFile(file()), encodedRecords(1, 1));
    ASSERT_TRUE(AppendResult(file(), numberedRecord(2)).ok());
    ASSERT_TRUE(AppendResult(file(), numberedRecord(3)).ok());
    EXPECT_EQ(readRawFile(file()), encodedRecords(1, 3));
    EXPECT_EQ(numbersNewestFirst(file()), (Numbers{3, 2, 1}));
}

TEST_F(ResultsFileTest, AppendFlushesItsRecordToDisk) {
    // A new file: the record's write() call, its fsync and the fsync of the folder entry.
    ASSERT_TRUE(AppendResult(file(), numberedRecord(1)).ok());
    EXPECT_EQ(FileWriteFaults::stepsTaken(), 3);
    // An existing file: write() and fsync.
    FileWriteFaults::reset();
    ASSERT_TRUE(AppendResult(file(), numberedRecord(2)).ok());
    EXPECT_EQ(FileWriteFaults::stepsTaken(), 2);
    // A failing flush is a failure: the result does not count as stored.
    FileWriteFaults::reset();
    FileWriteFaults::arm(2, FileWriteFaults::Action::Fail);
    const FileResult result = AppendResult(file(), numberedRecord(3));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(file()));
}

TEST_F(ResultsFileTest, TornLastRecordIsIgnoredAndOverwrittenByTheNextAppend) {
    const QByteArray torn = encodedRecords(1, 2) + QByteArray(100, '\x5A');
    ASSERT_TRUE(writeRawFile(file(), torn));
    EXPECT_EQ(numbersNewestFirst(file()), (Numbers{2, 1}));
    ResultsFileReader reader;
    ASSERT_TRUE(reader.open(file()).ok());
    EXPECT_EQ(reader.recordCount(), 2);

    ASSERT_TRUE(AppendResult(file(), numberedRecord(3)).ok());
    EXPECT_EQ(readRawFile(file()), encodedRecords(1, 3));
    EXPECT_EQ(numbersNewestFirst(file()), (Numbers{3, 2, 1}));
}

TEST_F(ResultsFileTest, RecordCountRoundsDown) {
    EXPECT_EQ(RecordCountForSize(0), 0);
    EXPECT_EQ(RecordCountForSize(287), 0);
    EXPECT_EQ(RecordCountForSize(288), 1);
    EXPECT_EQ(RecordCountForSize(288 * 5 + 287), 5);
    EXPECT_EQ(RecordCountForSize(-1), 0);
}

TEST_F(ResultsFileTest, ReadsRecordsByPosition) {
    ASSERT_TRUE(writeRawFile(file(), encodedRecords(1, 4)));
    ResultsFileReader reader;
    ASSERT_TRUE(reader.open(file()).ok());
    ASSERT_EQ(reader.recordCount(), 4);
    ResultRecord record;
    for (const int position : {2, 0, 3}) {
        ASSERT_TRUE(reader.ReadRecord(position, record).ok());
        EXPECT_EQ(record, numberedRecord(position + 1));
    }
    for (const int outside : {-1, 4}) {
        const FileResult result = reader.ReadRecord(outside, record);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.error.contains(file()));
    }
    EXPECT_EQ(record, numberedRecord(4)); // a failed read leaves the variable alone
}

TEST_F(ResultsFileTest, RemovalKeepsTheChosenRecordsInOrder) {
    ASSERT_TRUE(writeRawFile(file(), encodedRecords(1, 5)));
    ASSERT_TRUE(
        RemoveRecords(file(), [](int position) { return position != 1 && position != 3; }).ok());
    EXPECT_EQ(readRawFile(file()), EncodeResultRecord(numberedRecord(1)) +
                                       EncodeResultRecord(numberedRecord(3)) +
                                       EncodeResultRecord(numberedRecord(5)));
    // Positions are renumbered by the new file.
    ASSERT_TRUE(RemoveRecords(file(), [](int position) { return position == 2; }).ok());
    EXPECT_EQ(readRawFile(file()), EncodeResultRecord(numberedRecord(5)));
    // Only the results file remains in the folder: no temporary or scratch file is left.
    EXPECT_EQ(filesBesideTheLock(dir.path()), QStringList{QStringLiteral("12.dat")});
}

TEST_F(ResultsFileTest, RemovalKeepingNothingLeavesAnEmptyFile) {
    ASSERT_TRUE(writeRawFile(file(), encodedRecords(1, 3)));
    ASSERT_TRUE(RemoveRecords(file(), [](int) { return false; }).ok());
    EXPECT_TRUE(QFileInfo(file()).isFile());
    EXPECT_EQ(QFileInfo(file()).size(), 0);
}

TEST_F(ResultsFileTest, RemovalDropsATornTailAndLeavesAMissingFileMissing) {
    ASSERT_TRUE(writeRawFile(file(), encodedRecords(1, 2) + QByteArray(50, '\x01')));
    ASSERT_TRUE(RemoveRecords(file(), [](int) { return true; }).ok());
    EXPECT_EQ(readRawFile(file()), encodedRecords(1, 2));

    const QString missing = file(QStringLiteral("99.dat"));
    EXPECT_TRUE(RemoveRecords(missing, [](int) { return true; }).ok());
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(ResultsFileTest, FailedRemovalKeepsTheOldFile) {
    ASSERT_TRUE(writeRawFile(file(), encodedRecords(1, 3)));
    const FileResult result = [&] {
        FileWriteFaults::reset(); // the set-up write above was a step too
        FileWriteFaults::arm(1, FileWriteFaults::Action::Fail); // the first write of the copy
        return RemoveRecords(file(), [](int position) { return position == 0; });
    }();
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(file()));
    EXPECT_EQ(readRawFile(file()), encodedRecords(1, 3));
    EXPECT_EQ(filesBesideTheLock(dir.path()).size(), 1);
}

TEST_F(ResultsFileTest, FileErrorsNameTheFile) {
    const QString inMissingFolder = dir.path() + QStringLiteral("/rezults/5.dat");
    for (const FileResult& result :
         {AppendResult(inMissingFolder, numberedRecord(1)), EnsureResultsFile(inMissingFolder)}) {
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.error.contains(inMissingFolder)) << result.error.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(inMissingFolder));

    const ResultsReading reading = ReadRecordsNewestFirst(inMissingFolder);
    EXPECT_FALSE(reading.ok());
    EXPECT_TRUE(reading.error.contains(inMissingFolder));
    EXPECT_TRUE(reading.records.empty());

    // A folder standing where the results file should be.
    const QString folder = file(QStringLiteral("3.dat"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("3.dat")));
    for (const FileResult& result :
         {EnsureResultsFile(folder), AppendResult(folder, numberedRecord(1)),
          RemoveRecords(folder, [](int) { return true; })}) {
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.error.contains(folder)) << result.error.toStdString();
    }
}

// Another copy of the program deleted Тестов (number 2, no results yet) and gave 2 to
// Новиков: a session begun for Тестов is not stored into Новиков's file.
TEST(ResultsFileAppend, APatientFileTakesOnlyTheNameTheListGivesItsNumber) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Rezults")));
    ASSERT_TRUE(writeRawFile(dir.filePath(QStringLiteral("People.txt")),
                             toCp1251(u"Иванов\r1\rНовиков\r2\r"_qs).value()));
    const QString path = dir.filePath(QStringLiteral("Rezults/2.dat"));
    ResultRecord record = numberedRecord(1);
    record.PatientNumber = 2;
    record.PatientName = QStringLiteral("Тестов");
    const FileResult refused = AppendResult(path, record);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("Тестов")) && refused.error.contains(path));
    EXPECT_FALSE(QFileInfo::exists(path));

    record.PatientName = QStringLiteral("Новиков");
    ASSERT_TRUE(AppendResult(path, record).ok());
    EXPECT_EQ(readRawFile(path), EncodeResultRecord(record));
    // The common results file beside the list takes any session.
    EXPECT_TRUE(AppendResult(dir.filePath(QStringLiteral("RezClass.dat")), numberedRecord(2)).ok());
}

// A disk that fills up during the export: a file the export created goes again (an empty
// N.txt would only mislead), an earlier export's file keeps its content.
TEST(ResultsExportFile, AFailedExportRemovesTheFileItCreatedAndKeepsAnOldOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("rezults")));
    const QString path = ResultsExportPath(dir.path() + QLatin1Char('/'), 3);
    FileWriteFaults::watch(dir.path());
    for (const QByteArray& before : {QByteArray(), QByteArray("old block\r\n")}) {
        if (!before.isEmpty()) {
            ASSERT_TRUE(writeRawFile(path, before));
        }
        FileWriteFaults::reset();
        FileWriteFaults::armShortWrite(1, 3);
        const FileResult result = ExportResultsText(path, "new block\r\n");
        FileWriteFaults::reset();
        EXPECT_TRUE(result.error.contains(QStringLiteral("3.txt")));
        EXPECT_EQ(QFileInfo::exists(path), !before.isEmpty());
        EXPECT_EQ(readRawFile(path), before);
    }
    FileWriteFaults::watch(QString());
}
