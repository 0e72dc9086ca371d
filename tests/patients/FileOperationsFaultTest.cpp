// Every operation that writes a file, crashed and failed at each of its file steps: a child
// process is killed just before its N-th write, fsync, rename or truncation, and in this process
// the N-th step (opens for writing included) fails with each error a disk gives. The file is
// always the old or the new one byte for byte, no temporary file outlives the next start, and
// a failure reaches the operator as a message naming the file.
#include "config/LoadSettings.h"
#include "patients/RegistryFixture.h"
#include "results/ResultsFile.h"
#include "results/ResultsTestFiles.h"
#include "support/FileWriteFaults.h"

#include <QDirIterator>
#include <functional>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelon;
using namespace trelon::test;

namespace {

// What an operation works on.
struct Folder {
    PatientStore& store;
    PatientPanel& panel;
    FakeDialogs& dialogs;
    QString dir;
};

struct Operation {
    const char* name;
    const char* file; // the file it writes, in the program folder
    QByteArray old;   // its content before
    // Runs the operation on the prepared folder; the error text, empty on success.
    std::function<QString(const Folder&)> run;
};

void PrintTo(const Operation& op, std::ostream* out) {
    *out << op.name;
}

QString shownErrors(const FakeDialogs& dialogs) {
    return dialogs.errors.join(u'\n');
}

const Operation kOperations[] = {
    {"AddPatient", "People.txt", "A\r\n1\r\nB\r\n2",
     [](const Folder& t) {
         t.panel.setNewName(QStringLiteral("Новый"));
         t.panel.addPatient();
         return shownErrors(t.dialogs);
     }},
    {"DeletePatient", "People.txt", "A\r\n1\r\nB\r\n2\r\nC\r\n3\r\n",
     [](const Folder& t) {
         t.panel.DeletePatient(2, QStringLiteral("B"));
         return shownErrors(t.dialogs);
     }},
    // Two records and one torn by an earlier crash.
    {"AppendResult", "Rezults/7.dat", encodedRecords(1, 2) + QByteArray(150, '\x33'),
     [](const Folder& t) {
         return AppendResult(t.store.patientResultsFile(7), numberedRecord(3)).error;
     }},
    {"RemoveRecords", "Rezults/7.dat", encodedRecords(1, 4),
     [](const Folder& t) {
         return RemoveRecords(t.store.patientResultsFile(7), [](int p) { return p % 2 == 0; })
             .error;
     }},
    {"WriteSettings", "Class.ini", "[Default]\r\nMM_500Pixel=145\r\nkp=2\r\n",
     [](const Folder& t) {
         return WriteSettings(t.dir, {{QStringLiteral("MM_500Pixel"), QStringLiteral("150")},
                                      {QStringLiteral("WidthLine1"), QStringLiteral("40")}})
             .error;
     }},
    {"AppendText", "export.txt", "Иванов 1\r\n",
     [](const Folder& t) {
         return appendToFile(t.dir + QStringLiteral("export.txt"), cp1251(u"Петров 2\r\n"_qs))
             .error;
     }},
};

class FileOperationTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        errorsExpected = true;
        ASSERT_TRUE(QDir(dir()).mkdir(QStringLiteral("Rezults")));
    }
    void TearDown() override {
        FileWriteFaults::reset();
        FileWriteFaults::watch(QString());
        RegistryTest::TearDown();
    }

    Folder folder() { return {*store, *panel, dialogs, dir()}; }

    QString file(const Operation& op) const { return dir() + QLatin1String(op.file); }

    // The folder as it was, the list loaded, dialogs cleared; then file steps are counted.
    void prepare(const Operation& op) {
        FileWriteFaults::watch(QString());
        writeBytes(people(), cp1251(u"A\r\n1\r\nB\r\n2\r\nПетров\r\n7\r\n"_qs));
        writeBytes(file(op), op.old);
        ASSERT_TRUE(store->SetUpDataFolder({}));
        ASSERT_TRUE(panel->LoadPatientList());
        dialogs.errors.clear();
        FileWriteFaults::watch(dir());
        FileWriteFaults::reset();
    }

    // The file steps of a fault-free run and the file it leaves.
    int countSteps(const Operation& op, QByteArray& after, bool withOpens) {
        prepare(op);
        if (withOpens) {
            FileWriteFaults::countOpens();
        }
        EXPECT_EQ(op.run(folder()), QString());
        const int steps = FileWriteFaults::stepsTaken();
        after = readBytes(file(op));
        EXPECT_NE(after, op.old);
        return steps;
    }

    bool temporaryFileLeft() const {
        return QDirIterator(dir(), {QStringLiteral("*tmp*")}, QDir::Files | QDir::Hidden,
                            QDirIterator::Subdirectories)
            .hasNext();
    }
};

class CrashAtEveryStep : public FileOperationTest,
                         public ::testing::WithParamInterface<Operation> {};

class ErrorAtEveryStep : public FileOperationTest,
                         public ::testing::WithParamInterface<std::tuple<Operation, int>> {};

std::string operationName(const ::testing::TestParamInfo<Operation>& info) {
    return info.param.name;
}

std::string operationAndError(const ::testing::TestParamInfo<std::tuple<Operation, int>>& info) {
    return std::string(std::get<0>(info.param).name) + "_errno" +
           std::to_string(std::get<1>(info.param));
}

} // namespace

TEST_P(CrashAtEveryStep, LeavesTheOldOrTheNewFileAndNoTemporaryFileAfterTheNextStart) {
    const Operation& op = GetParam();
    QByteArray after;
    const int steps = countSteps(op, after, false);
    ASSERT_GE(steps, 2);
    int leftNew = 0;
    for (int step = 1; step <= steps; ++step) {
        prepare(op);
        const pid_t child = ::fork();
        if (child == 0) {
            FileWriteFaults::arm(step, FileWriteFaults::Action::Kill);
            op.run(folder());
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "step " << step;
        const QByteArray left = readBytes(file(op));
        EXPECT_TRUE(left == op.old || left == after)
            << "killed before step " << step << ": " << left.size() << " bytes";
        leftNew += left == after ? 1 : 0;
        // The next start clears what the crash left and reads the list as before.
        FileWriteFaults::watch(QString());
        ASSERT_TRUE(store->SetUpDataFolder({}));
        EXPECT_FALSE(temporaryFileLeft()) << "step " << step;
        EXPECT_EQ(readBytes(file(op)), left);
    }
    EXPECT_GE(leftNew, 1); // the last steps come after the new file is in place
}

TEST_P(ErrorAtEveryStep, IsReportedWithTheFileNameAndChangesNothing) {
    const auto& [op, error] = GetParam();
    QByteArray after;
    const int steps = countSteps(op, after, true);
    int reported = 0;
    for (int step = 1; step <= steps; ++step) {
        prepare(op);
        FileWriteFaults::countOpens();
        if (error == ENOSPC) {
            FileWriteFaults::armShortWrite(step, 3); // a disk that fills up within a write
        } else {
            FileWriteFaults::arm(step, FileWriteFaults::Action::Fail, error);
        }
        const QString shown = op.run(folder());
        FileWriteFaults::reset();
        const QByteArray left = readBytes(file(op));
        if (shown.isEmpty()) {
            // Only a step after the new file is in place (flushing its folder) may fail unseen.
            EXPECT_EQ(left, after) << "step " << step;
            continue;
        }
        ++reported;
        EXPECT_TRUE(shown.contains(QFileInfo(file(op)).fileName())) << shown.toStdString();
        EXPECT_EQ(left, op.old) << "step " << step << ": " << shown.toStdString();
        EXPECT_FALSE(temporaryFileLeft()) << "step " << step;
    }
    EXPECT_GE(reported, steps - 1);
}

INSTANTIATE_TEST_SUITE_P(Operations, CrashAtEveryStep, ::testing::ValuesIn(kOperations),
                         operationName);
INSTANTIATE_TEST_SUITE_P(Operations, ErrorAtEveryStep,
                         ::testing::Combine(::testing::ValuesIn(kOperations),
                                            ::testing::Values(ENOSPC, EACCES, EROFS, EIO)),
                         operationAndError);
