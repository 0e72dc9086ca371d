#include "common/FileSystem.h"
#include "common/Cp1251.h"
#include "common/DataFolderLock.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelon;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(FileLookup, FindsNamesRegardlessOfCaseAndKeepsNewNames) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Rezults")));
    writeFile(dir.path() + QStringLiteral("/1sec.wav"), "x");
    writeFile(dir.path() + QStringLiteral("/StarInCircl.bmp"), "y");

    EXPECT_EQ(resolvePath(dir.path(), QStringLiteral("1Sec.wav")),
              dir.path() + QStringLiteral("/1sec.wav"));
    EXPECT_EQ(resolvePath(dir.path() + QStringLiteral("/"), QStringLiteral("StarinCircl.bmp")),
              dir.path() + QStringLiteral("/StarInCircl.bmp"));
    // Backslash separated, folder in other case, file not there yet: folder matched, new name kept.
    EXPECT_EQ(resolvePath(dir.path(), QStringLiteral("rezults\\7.dat")),
              dir.path() + QStringLiteral("/Rezults/7.dat"));
    EXPECT_TRUE(existsIgnoringCase(dir.path(), QStringLiteral("REZULTS")));
    EXPECT_FALSE(existsIgnoringCase(dir.path(), QStringLiteral("rezults/7.dat")));
}

TEST(FileLookup, PrefersTheExactSpellingWhenBothExist) {
    QTemporaryDir dir;
    writeFile(dir.path() + QStringLiteral("/a.txt"), "lower");
    writeFile(dir.path() + QStringLiteral("/A.txt"), "upper");
    EXPECT_EQ(resolvePath(dir.path(), QStringLiteral("A.txt")),
              dir.path() + QStringLiteral("/A.txt"));
    EXPECT_EQ(resolvePath(dir.path(), QStringLiteral("a.txt")),
              dir.path() + QStringLiteral("/a.txt"));
}

TEST(SafeWrites, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/People.txt");
    writeFile(path, "old contents that are longer");
    ASSERT_TRUE(writeFileAtomically(path, "new").ok());
    EXPECT_EQ(readFile(path), QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(SafeWrites, FailuresNameTheFile) {
    const QString path = QStringLiteral("/nonexistent-folder-for-test/People.txt");
    const FileResult atomic = writeFileAtomically(path, "x");
    EXPECT_FALSE(atomic.ok());
    EXPECT_TRUE(atomic.error.contains(path));
    const FileResult append = appendToFile(path, "x");
    EXPECT_FALSE(append.ok());
    EXPECT_TRUE(append.error.contains(path));
}

TEST(SafeWrites, AppendAddsToTheEnd) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/r.dat");
    ASSERT_TRUE(appendToFile(path, "ab").ok());
    ASSERT_TRUE(appendToFile(path, "cd").ok());
    EXPECT_EQ(readFile(path), QByteArray("abcd"));
}

TEST(Cp1251, RoundTripsCyrillicAndRefusesWhatItCannotHold) {
    const QString name = QStringLiteral("Иванов Пётр Ёж");
    const auto bytes = toCp1251(name);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(static_cast<unsigned char>(bytes->at(0)), 0xC8); // И
    EXPECT_EQ(fromCp1251(*bytes), name);
    EXPECT_FALSE(toCp1251(QStringLiteral("Ivanov \u4E2D")).has_value());
    EXPECT_FALSE(toCp1251(QStringLiteral("emoji \U0001F600")).has_value());
}

// The table conversion gives what the system converter gives, for every byte and every
// character; a character is encodable exactly when the converter takes it and back.
TEST(Cp1251, AgreesWithTheSystemConverterEverywhere) {
    QByteArray allBytes;
    for (int byte = 0; byte < 256; ++byte) {
        allBytes += static_cast<char>(byte);
    }
    QStringDecoder decoder("windows-1251");
    EXPECT_EQ(fromCp1251(allBytes), decoder.decode(allBytes));
    for (int unit = 0; unit < 65536; ++unit) {
        const QString text(QChar(static_cast<char16_t>(unit)));
        QStringEncoder encoder("windows-1251");
        const QByteArray encoded = encoder.encode(text);
        const bool takes = !encoder.hasError() && fromCp1251(encoded) == text;
        const std::optional<QByteArray> ours = toCp1251(text);
        ASSERT_EQ(ours.has_value(), takes) << unit;
        if (takes) {
            EXPECT_EQ(*ours, encoded) << unit;
        }
    }
}

// A shared folder whose files are group-writable stays usable by the next operator: the
// replacement keeps the mode and the group of the file it replaces.
TEST(SafeWrites, AtomicWriteKeepsModeAndGroup) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/People.txt");
    writeFile(path, "old");
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chmod(name.constData(), 0660), 0);
    ASSERT_EQ(::chown(name.constData(), static_cast<uid_t>(-1), 4), 0); // root may set any group
    ASSERT_TRUE(writeFileAtomically(path, "new").ok());
    struct stat after {};
    ASSERT_EQ(::stat(name.constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0660u);
    EXPECT_EQ(after.st_gid, 4u);
    EXPECT_EQ(readFile(path), QByteArray("new"));
}

// Another process holding the folder's lock makes a change give up after its wait, with a
// message naming the folder.
TEST(DataFolderLockTest, AnotherProcessWaitsAndGivesUpWhileTheLockIsHeld) {
    QTemporaryDir dir;
    const DataFolderLock held(dir.path());
    ASSERT_TRUE(held.locked());
    const pid_t other = ::fork();
    if (other == 0) {
        const DataFolderLock refused(dir.path(), 200);
        ::_exit(!refused.locked() && refused.busy() && refused.error().contains(dir.path()) ? 0
                                                                                            : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// In a group-writable shared folder the lock file a first operator creates can be locked by
// the next one, whatever the first one's umask.
TEST(DataFolderLockTest, ANewLockFileTakesTheFoldersWriteBits) {
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 02770), 0);
    const mode_t umaskBefore = ::umask(022);
    { const DataFolderLock lock(dir.path()); }
    ::umask(umaskBefore);
    struct stat lockFile {};
    ASSERT_EQ(
        ::stat(QFile::encodeName(DataFolderLock::lockFileIn(dir.path())).constData(), &lockFile),
        0);
    EXPECT_EQ(lockFile.st_mode & 0777, 0660u);
}
