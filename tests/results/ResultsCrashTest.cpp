// Crash safety of the results files: a child process runs one file operation and is killed
// (SIGKILL) just before its N-th write() call, fsync or rename, for every N; the file left
// behind must be the old or the new one.
#include "results/ResultsFile.h"
#include "results/ResultsTestFiles.h"
#include "support/FileWriteFaults.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelon;
using namespace trelon::test;

namespace {

// How a child process running an operation ended.
enum class ChildEnd { Killed, Finished, Other };

// Runs operation in a child process armed to be killed before file step killStep (0: never),
// with each write() call cut to writeLimit bytes (0: no limit).
ChildEnd runInChild(int killStep, qsizetype writeLimit, const std::function<bool()>& operation) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        FileWriteFaults::reset();
        FileWriteFaults::limitWriteSize(writeLimit);
        FileWriteFaults::arm(killStep, FileWriteFaults::Action::Kill);
        ::_exit(operation() ? 0 : 1);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) {
        return ChildEnd::Other;
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
        return ChildEnd::Killed;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ChildEnd::Finished : ChildEnd::Other;
}

// The number of file steps operation takes, measured in this process.
int countSteps(qsizetype writeLimit, const std::function<bool()>& operation) {
    FileWriteFaults::reset();
    FileWriteFaults::limitWriteSize(writeLimit);
    const bool ok = operation();
    const int steps = FileWriteFaults::stepsTaken();
    FileWriteFaults::reset();
    EXPECT_TRUE(ok);
    return steps;
}

class ResultsCrashTest : public ::testing::TestWithParam<qsizetype> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        FileWriteFaults::watch(dir.path());
    }
    void TearDown() override {
        FileWriteFaults::reset();
        FileWriteFaults::watch(QString());
    }

    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/7.dat");
};

} // namespace

// Every split of the writes: whole-record writes, odd pieces, single bytes at the edges.
INSTANTIATE_TEST_SUITE_P(WritePieces, ResultsCrashTest, ::testing::Values(0, 100, 287));

TEST_P(ResultsCrashTest, RemovalLeavesTheOldOrTheNewFileWhole) {
    const qsizetype writeLimit = GetParam();
    const QByteArray before = encodedRecords(1, 6);
    const auto keep = [](int position) { return position % 2 == 0; };
    const QByteArray after = EncodeResultRecord(numberedRecord(1)) +
                             EncodeResultRecord(numberedRecord(3)) +
                             EncodeResultRecord(numberedRecord(5));
    const auto remove = [&] { return RemoveRecords(path, keep).ok(); };

    ASSERT_TRUE(writeRawFile(path, before));
    const int steps = countSteps(writeLimit, remove);
    ASSERT_EQ(readRawFile(path), after);
    ASSERT_GE(steps, 4); // at least one write, fsync, rename, folder fsync

    int leftOld = 0;
    int leftNew = 0;
    for (int step = 1; step <= steps; ++step) {
        ASSERT_TRUE(writeRawFile(path, before));
        ASSERT_EQ(runInChild(step, writeLimit, remove), ChildEnd::Killed) << "step " << step;
        const QByteArray left = readRawFile(path);
        if (left == before) {
            ++leftOld;
        } else if (left == after) {
            ++leftNew;
        } else {
            ADD_FAILURE() << "killed before step " << step << ": file of " << left.size()
                          << " bytes is neither the old nor the new one";
        }
    }
    // Killed before the rename the old file stays; killed after it the new one is there.
    EXPECT_EQ(leftOld, steps - 1);
    EXPECT_EQ(leftNew, 1);

    // A leftover temporary file from a killed run does not disturb the next removal.
    ASSERT_TRUE(writeRawFile(path, before));
    ASSERT_EQ(runInChild(1, writeLimit, remove), ChildEnd::Killed);
    ASSERT_TRUE(RemoveRecords(path, keep).ok());
    EXPECT_EQ(readRawFile(path), after);
    EXPECT_EQ(runInChild(0, writeLimit, remove), ChildEnd::Finished);
}

TEST_P(ResultsCrashTest, InterruptedAppendLeavesTheOldOrTheNewRecords) {
    const qsizetype writeLimit = GetParam();
    // The old file ends with a torn record, as an earlier interrupted append leaves it.
    const QByteArray before = encodedRecords(1, 2) + QByteArray(150, '\x33');
    const QByteArray after = encodedRecords(1, 3);
    const auto append = [&] { return AppendResult(path, numberedRecord(3)).ok(); };

    ASSERT_TRUE(writeRawFile(path, before));
    const int steps = countSteps(writeLimit, append);
    ASSERT_EQ(readRawFile(path), after);

    for (int step = 1; step <= steps; ++step) {
        ASSERT_TRUE(writeRawFile(path, before));
        ASSERT_EQ(runInChild(step, writeLimit, append), ChildEnd::Killed) << "step " << step;
        const QByteArray left = readRawFile(path);
        // The whole records already stored are never touched.
        ASSERT_EQ(left.left(2 * 288), encodedRecords(1, 2)) << "step " << step;
        if (writeLimit == 0) {
            // One write() call per record: nothing of it, or all of it.
            EXPECT_TRUE(left == before || left == after) << "step " << step;
        }
        // Reading sees the old records or the new ones, never a damaged record.
        std::vector<int> numbers;
        for (const StoredRecord& stored : ReadRecordsNewestFirst(path).records) {
            numbers.push_back(stored.record.ObjectNumber);
        }
        EXPECT_TRUE(numbers == (std::vector<int>{2, 1}) || numbers == (std::vector<int>{3, 2, 1}))
            << "step " << step;
        // The next append lands at the record boundary, whatever tail the crash left.
        if (numbers.size() == 2) {
            ASSERT_TRUE(AppendResult(path, numberedRecord(3)).ok());
            EXPECT_EQ(readRawFile(path), after) << "step " << step;
        }
    }
}
