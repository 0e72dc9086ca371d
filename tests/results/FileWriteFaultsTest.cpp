// The file fault library reaches Qt's writes and the program's own POSIX calls, and only those
// on the watched folder.
#include "support/FileWriteFaults.h"
#include "common/FileSystem.h"
#include "results/ResultsTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

using namespace trelon;
using namespace trelon::test;

namespace {

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

class FileWriteFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        // A sibling whose name starts with the watched one's must stay unwatched.
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("w")));
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("w2")));
        FileWriteFaults::watch(watched);
        FileWriteFaults::reset();
    }
    void TearDown() override {
        FileWriteFaults::reset();
        FileWriteFaults::watch(QString());
    }

    QTemporaryDir root;
    const QString watched = root.path() + QStringLiteral("/w");
    const QString inside = watched + QStringLiteral("/a.dat");
    const QString outside = root.path() + QStringLiteral("/w2/a.dat");
};

} // namespace

TEST_F(FileWriteFaultsTest, QtWritesInsideTheFolderAreCountedAndCanFail) {
    QFile file(inside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write("abc"), 3);
    ASSERT_TRUE(file.flush());
    EXPECT_EQ(FileWriteFaults::stepsTaken(), 1);

    FileWriteFaults::arm(2, FileWriteFaults::Action::Fail, ENOSPC);
    file.write("def");
    EXPECT_FALSE(file.flush());
    EXPECT_TRUE(file.errorString().contains(errorText(ENOSPC))) << file.errorString().toStdString();
    EXPECT_EQ(readRawFile(inside), QByteArray("abc"));
    file.close(); // writes the bytes QFile kept again

    // Qt renames through renameat2.
    FileWriteFaults::reset();
    EXPECT_TRUE(QFile::rename(inside, watched + QStringLiteral("/b.dat")));
    EXPECT_EQ(FileWriteFaults::stepsTaken(), 1);
}

TEST_F(FileWriteFaultsTest, CallsOutsideTheFolderAreLeftAlone) {
    FileWriteFaults::arm(1, FileWriteFaults::Action::Fail);
    ASSERT_TRUE(writeRawFile(outside, "xyz"));
    EXPECT_TRUE(writeFileAtomically(outside, "uvw").ok());
    EXPECT_EQ(readRawFile(outside), QByteArray("uvw"));
    EXPECT_EQ(FileWriteFaults::stepsTaken(), 0);
}

TEST_F(FileWriteFaultsTest, AtomicWriteStepsReachTheProgramsOwnCalls) {
    ASSERT_TRUE(writeFileAtomically(inside, "old").ok());
    EXPECT_EQ(FileWriteFaults::stepsTaken(), 4); // write, fsync, rename, folder fsync

    FileWriteFaults::reset();
    FileWriteFaults::arm(3, FileWriteFaults::Action::Fail, EROFS);
    const FileResult result = writeFileAtomically(inside, "new");
    EXPECT_TRUE(result.error.contains(errorText(EROFS))) << result.error.toStdString();
    EXPECT_EQ(readRawFile(inside), QByteArray("old"));
    EXPECT_EQ(QDir(watched).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(FileWriteFaultsTest, ShortWriteThenFailureIsCutBackByTheAppend) {
    ASSERT_TRUE(appendToFile(inside, "old").ok());
    FileWriteFaults::reset();
    FileWriteFaults::armShortWrite(1, 10);
    const FileResult result = appendToFile(inside, QByteArray(100, 'x'));
    EXPECT_TRUE(result.error.contains(errorText(ENOSPC))) << result.error.toStdString();
    EXPECT_EQ(readRawFile(inside), QByteArray("old"));
    EXPECT_EQ(FileWriteFaults::stepsTaken(), 4); // short write, failed write, ftruncate, fsync

    // Each fault acts once: the next append goes through.
    ASSERT_TRUE(appendToFile(inside, "y").ok());
    EXPECT_EQ(readRawFile(inside), QByteArray("oldy"));
}
