// People.txt through files: loading any bytes and adding a patient to them.
#include "PeopleChecks.h"
#include "patients/PatientPanel.h"
#include "support/FakeDialogs.h"

#include <algorithm>

using namespace trelon;

namespace {

// Adding to the file: refused with the file unchanged, or the old list plus one new patient
// whose number is above every other and whose results file holds no records.
void checkAdding(const QByteArray& bytes) {
    // One panel for the run (its collator is costly to make), on a fresh folder each time.
    static Paths paths;
    static SharedTexts texts;
    static test::FakeDialogs dialogs;
    static PatientStore store(paths, texts, dialogs);
    static PatientPanel panel(store, texts, dialogs);
    paths.ProgramDir = fuzz::scratchFolder();
    dialogs = test::FakeDialogs();
    const QString people = paths.ProgramDir + QStringLiteral("People.txt");
    FUZZ_CHECK(fuzz::writeFile(people, bytes));
    FUZZ_CHECK(store.SetUpDataFolder({}));
    FUZZ_CHECK(store.EnsureResultsFolder().ok());
    panel.LoadPatientList();
    const PeopleFile before = parsePeopleFile(people, bytes);
    if (before.error.isEmpty() && before.maxNumber < 1000) {
        // The next number's results file holds records of someone deleted.
        fuzz::writeFile(store.patientResultsFile(before.maxNumber + 1), QByteArray(288, 'r'));
    }
    const QString name = QStringLiteral("Новый пациент");
    panel.setNewName(name);
    panel.addPatient();

    const QByteArray after = fuzz::readFile(people);
    const bool duplicate = std::any_of(before.entries.begin(), before.entries.end(),
                                       [&](const PatientEntry& e) { return e.name == name; });
    if (!before.error.isEmpty() || duplicate || before.maxNumber == INT32_MAX) {
        FUZZ_CHECK(after == bytes);
        FUZZ_CHECK(dialogs.shownCount() > 0);
        return;
    }
    const PeopleFile added = parsePeopleFile(people, after);
    FUZZ_CHECK(added.error.isEmpty());
    FUZZ_CHECK(added.entries.size() == before.entries.size() + 1);
    FUZZ_CHECK(std::equal(
        before.entries.begin(), before.entries.end(), added.entries.begin(),
        [](const auto& x, const auto& y) { return x.name == y.name && x.number == y.number; }));
    const PatientEntry& last = added.entries.back();
    const int number = strToInt(last.number).value_or(0);
    FUZZ_CHECK(last.name == name && number > before.maxNumber);
    FUZZ_CHECK(QFileInfo(store.patientResultsFile(number)).size() < 288);
    FUZZ_CHECK(panel.numberText() == last.number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The parsing properties alone are checked in memory by people_parse; here, through files.
    checkAdding(fuzz::inputBytes(data, size));
    return 0;
}
