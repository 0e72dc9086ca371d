#pragma once
// The patient registry: the patient list in People.txt, the data folder that holds it, and the
// state of the main window's patient controls (new-name field, number field, list box and the
// buttons they enable). The main window forwards its control events to the handlers here and
// copies the view state into its widgets after each call.
#include "common/FileSystem.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"

#include <QCollator>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace trelon {

struct PatientEntry {
    QString name;
    QString number; // as read from the file, without blanks around it
};

// The patients of a People.txt, in file order, and their highest number; or the error (naming
// the file path and the line) that stopped the reading.
struct PeopleFile {
    std::vector<PatientEntry> entries;
    int maxNumber = 0;
    QString error;
};
PeopleFile parsePeopleFile(const QString& path, const QByteArray& bytes);

// The file holding exactly entries, each name and number on a line of its own; nothing when a
// name has a character Windows-1251 cannot hold.
std::optional<QByteArray> peopleFileBytes(const std::vector<PatientEntry>& entries);

// The file bytes with name and number added after the last line (which gets its missing line
// end first); nothing when the name has a character Windows-1251 cannot hold.
std::optional<QByteArray> peopleFileWithPatient(QByteArray bytes, const QString& name, int number);

// The message shown when text is not an integer.
QString notAnIntegerMessage(const QString& text);

class PatientRegistry {
public:
    PatientRegistry(Paths& paths, const SharedTexts& texts, Dialogs& dialogs);

    // Data folder set-up at the first paint. Tries ProgramDir; when it cannot be written,
    // hideSplash is called and the operator picks another folder, until one works. Returns
    // false when the operator cancelled the folder dialog: the program ends.
    bool SetUpDataFolder(const std::function<void()>& hideSplash);
    // Creates DataDir + "Rezults" when no folder of that name (any case) exists. The error
    // text is "Cannot create " + DataDir + "Rezults"; the caller shows it.
    FileResult EnsureResultsFolder();

    // Reads People.txt into the patient table and the list box, selects the first item and
    // shows its number. False after a shown error; the table and the list keep their content.
    bool LoadPatientList();
    // Selects the first list item equal to name (exact); no match keeps the selection.
    void SelectPatientName(const QString& name);
    // False, after a message and with the focus moved to EditFam, when name is registered.
    bool CheckNewPatientName(const QString& name);
    // Removes every entry with this number from the list in People.txt as it is now and
    // replaces the file. False after a shown error (also when the file cannot be read); the
    // table and the file are then unchanged.
    bool DeletePatient(int number);

    // Handlers of the main window's patient controls.
    void EditFamChange(const QString& text); // stores the text; BitBtn9 enabled when not empty
    // Adds the patient named by the EditFam text with the next number above the list's highest
    // whose results file holds no records. Nothing is written when People.txt cannot be read
    // (the list and its numbers are unknown) or no number is left. Afterwards, added or not, the
    // widget sets the list's drop-down line count from dropDownCount().
    void BitBtn9Click();
    void ComboBox2Change(int index); // operator picked list item index (-1 none)
    // The number field was typed into. Numbers set by the registry itself run the same lookup;
    // the widget shows editAllText() with its change signal blocked.
    void EditAllChange(const QString& text);
    void DeleteSelectedPatient(); // Ctrl+Delete: confirm, delete, reload

    // View state the widget mirrors.
    const QStringList& listItems() const { return listItems_; } // sorted as the list box sorts
    int selectedIndex() const { return selectedIndex_; }        // -1 none
    QString listText() const;                                   // "" when nothing is selected
    QString editAllText() const { return editAll_; }            // "0" at start
    QString editFamText() const { return editFam_; }
    bool addEnabled() const { return addEnabled_; } // BitBtn9
    // BitBtnRezult: enabled at start, then set only by ComboBox2Change.
    bool resultsEnabled() const { return resultsEnabled_; }
    enum class Focus { None, EditFam, PatientList };
    Focus requestedFocus() const { return focus_; } // where the last handler moved the focus
    // Number of lines the list box drops down (at least 1).
    int dropDownCount(int windowHeight, int panelTop, int listTop, int itemHeight) const;

    // The number in EditAll; a shown conversion error and nothing when it is not an integer.
    std::optional<int> selectedPatientNumber();
    // Results file of a patient: the "Rezults" folder (found regardless of case) and the
    // decimal number + ".dat".
    QString patientResultsFile(int number) const;
    // DataDir + "RezClass.dat" (found regardless of case).
    QString commonResultsFile() const;

    const std::vector<PatientEntry>& patients() const { return patients_; } // file order
    int PatientCount() const { return static_cast<int>(patients_.size()); }
    int MaxPatientNumber() const { return maxPatientNumber_; }

private:
    bool tryDataFolder(const QString& dir, bool withCommonResults);
    void setEditAll(const QString& text); // runs the number lookup when the text changes
    void lookUpNumber();
    void showError(const QString& text);
    bool refuseName(const QString& name);
    bool CheckNewPatientName(const QString& name, const std::vector<PatientEntry>& entries);
    void refuseChange(const QString& why);
    bool resultsFileHoldsRecords(int number) const;
    std::optional<int> freeNumber(int maxNumber);

    Paths& paths_;
    const SharedTexts& texts_;
    Dialogs& dialogs_;
    QCollator collator_;

    std::vector<PatientEntry> patients_;
    int maxPatientNumber_ = 0;

    QStringList listItems_;
    int selectedIndex_ = -1;
    QString editAll_ = QStringLiteral("0");
    QString editFam_;
    bool addEnabled_ = false;
    bool resultsEnabled_ = true;
    Focus focus_ = Focus::None;
};

} // namespace trelon
