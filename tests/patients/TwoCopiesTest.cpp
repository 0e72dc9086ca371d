// Two copies of the program on one data folder: two real processes, each with its own store and
// panel over the same folder, add patients and store results at the same time, every file
// step slowed as on a network share. Afterwards every patient and every record is there
// exactly once, numbers are unique and People.txt reads whole.
#include "patients/RegistryFixture.h"
#include "results/ResultsFile.h"
#include "results/ResultsTestFiles.h"
#include "support/FileWriteFaults.h"

#include <QSet>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelon;
using namespace trelon::test;

namespace {

constexpr int kRounds = 300;
constexpr long kStepDelayMicros = 300;

// One copy's work in a child process: kRounds patients named prefix + index, each followed by
// a result record numbered copy * 1000 + index in 7.dat. Exits 0 when every step succeeded
// without an error box.
[[noreturn]] void runCopy(const QString& folder, int copy) {
    FileWriteFaults::delaySteps(kStepDelayMicros);
    Paths paths;
    paths.ProgramDir = folder;
    SharedTexts texts;
    FakeDialogs dialogs;
    PatientStore store(paths, texts, dialogs);
    PatientPanel panel(store, texts, dialogs);
    bool ok = store.SetUpDataFolder({}) && panel.LoadPatientList();
    for (int i = 0; ok && i < kRounds; ++i) {
        panel.setNewName(QStringLiteral("Копия%1-%2").arg(copy).arg(i));
        panel.addPatient();
        ok = dialogs.shownCount() == 0 &&
             AppendResult(store.patientResultsFile(7), numberedRecord(copy * 1000 + i)).ok();
    }
    ::_exit(ok ? 0 : 1);
}

} // namespace

using TwoCopiesTest = RegistryTest;

TEST_F(TwoCopiesTest, ConcurrentAdditionsAndResultsAreEachStoredOnce) {
    start(cp1251(u"Старый\r\n1\r\nПетров\r\n7\r\n"_qs)); // the records are Петров's
    ASSERT_TRUE(store->EnsureResultsFolder().ok());
    FileWriteFaults::watch(dir());
    QSet<QString> expectedNames{QStringLiteral("Старый"), QStringLiteral("Петров")};
    QSet<int> expectedRecords;
    std::vector<pid_t> children;
    for (int copy = 1; copy <= 2; ++copy) {
        for (int i = 0; i < kRounds; ++i) {
            expectedNames.insert(QStringLiteral("Копия%1-%2").arg(copy).arg(i));
            expectedRecords.insert(copy * 1000 + i);
        }
        children.push_back(::fork());
        if (children.back() == 0) {
            runCopy(dir(), copy);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    FileWriteFaults::watch(QString());

    const PeopleFile people = store->readPeople();
    ASSERT_TRUE(people.error.isEmpty()) << people.error.toStdString();
    QSet<QString> names;
    QSet<QString> numbers;
    for (const PatientEntry& entry : people.entries) {
        names.insert(entry.name);
        numbers.insert(entry.number);
    }
    EXPECT_EQ(people.entries.size(), expectedNames.size());
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(numbers.size(), expectedNames.size());

    const ResultsReading results = ReadRecordsNewestFirst(store->patientResultsFile(7));
    QSet<int> stored;
    for (const StoredRecord& record : results.records) {
        stored.insert(record.record.ObjectNumber);
    }
    EXPECT_EQ(results.records.size(), expectedRecords.size());
    EXPECT_EQ(stored, expectedRecords);
}
