#pragma once
// The patients' files: the data folder, People.txt in it and the results files beside it. The
// list is always taken from the file as it is now, and every change replaces the whole file.
#include "common/FileSystem.h"
#include "common/PeopleFile.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"

#include <functional>

namespace trelon {

class PatientStore {
public:
    PatientStore(Paths& paths, const SharedTexts& texts, Dialogs& dialogs);

    // Data folder set-up at the first paint. Tries ProgramDir; when it cannot be written, the
    // folder this user chose before; else hideSplash is called, the operator is told why and
    // picks another folder (remembered for this user), until one works. Returns false when
    // the operator cancelled the folder dialog: the program ends.
    bool SetUpDataFolder(const std::function<void()>& hideSplash);
    // Creates DataDir + "Rezults" when no folder of that name (any case) exists. The error
    // text is "Cannot create " + DataDir + "Rezults"; the caller shows it.
    FileResult EnsureResultsFolder();

    // People.txt as it is now, its bytes into bytesRead when given; a read failure is reported
    // in the error like a parse error.
    PeopleFile readPeople(QByteArray* bytesRead = nullptr) const;

    // A patient appended to People.txt with the next number above the file's highest whose
    // results file holds no records. The list is read again under the data folder's lock, so
    // the number and the duplicate check come from the file as another copy of the program may
    // just have left it. Nothing is written when the lock is not had, the file cannot be read
    // (its names and numbers are unknown), the name is in it, no number is left or the name
    // cannot be encoded; error is the text to show, if any.
    struct Addition {
        std::optional<int> number; // set when the patient was written
        bool nameTaken = false;
        QString error;
    };
    Addition addPatient(const QString& name);

    // People.txt rewritten, under the data folder's lock, without every entry numbered number,
    // provided the file still gives that number to name; otherwise stale is set and nothing is
    // written (another copy of the program changed the list). The entries kept; or the error
    // to show, the file then unchanged (also when it cannot be read or locked).
    struct Removal {
        std::vector<PatientEntry> kept;
        bool stale = false;
        QString error;
    };
    Removal removePatient(int number, const QString& name);

    // True when People.txt as it is now has an entry of name with number (an unreadable file
    // has none).
    bool isRegistered(const QString& name, int number) const;

    // Results file of a patient: the "Rezults" folder (found regardless of case) and the
    // decimal number + ".dat".
    QString patientResultsFile(int number) const;
    // DataDir + "RezClass.dat" (found regardless of case).
    QString commonResultsFile() const;

private:
    // Empty when dir now serves as the data folder; otherwise why it cannot.
    QString tryDataFolder(const QString& dir, bool withCommonResults);
    bool resultsFileHoldsRecords(int number) const;
    std::optional<int> freeNumber(int maxNumber) const;

    Paths& paths_;
    const SharedTexts& texts_;
    Dialogs& dialogs_;
};

} // namespace trelon
