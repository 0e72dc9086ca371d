#pragma once
// The main window's patient panel without its widgets: the new-name field, the number field,
// the sorted list box and the buttons they enable. The window forwards its control events to
// the handlers here and copies the view state into its widgets after each call; the files are
// the store's.
#include "patients/PatientStore.h"

#include <QCollator>
#include <QStringList>

namespace trelon {

class PatientPanel {
public:
    PatientPanel(PatientStore& store, const SharedTexts& texts, Dialogs& dialogs);

    // Reads People.txt into the patient table and the list box, selects the first item and
    // shows its number. False after a shown error; the table and the list keep their content.
    bool LoadPatientList();
    // Selects the first list item equal to name (exact); no match keeps the selection.
    void SelectPatientName(const QString& name);
    // Removes every entry with this number from People.txt as it is now, provided the file
    // still gives the number to name. False after a shown error, or when another copy of the
    // program changed that patient (the list is then read again and the operator told); the
    // file is then unchanged.
    bool DeletePatient(int number, const QString& name);
    // True when People.txt still gives the number field's number to the selected name. When
    // it does not (another copy of the program changed the list), the list is read again,
    // the operator is told, and false comes back: nothing is to be done for that patient.
    bool confirmSelection();

    // Handlers of the panel's controls.
    // EditFam changed: stores the text; the Add button is enabled when it is not empty.
    void setNewName(const QString& text);
    // BitBtn9 (Add) clicked: adds the patient named by the new-name field without blanks around
    // it (see PatientStore::addPatient), then shows and selects it. A name that is empty
    // then, or holds a control character or one Windows-1251 lacks, is refused with a message.
    // Afterwards, added or not, the widget sets the list's drop-down line count from
    // dropDownCount().
    void addPatient();
    // ComboBox2 changed: the operator picked list item index (-1 none).
    void pickListItem(int index);
    // EditAll typed into. Numbers set by the panel itself run the same lookup; the widget
    // shows numberText() with its change signal blocked.
    void setNumberText(const QString& text);
    // Ctrl+Delete: confirm, delete, reload.
    void DeleteSelectedPatient();

    // View state the widgets mirror.
    const QStringList& listItems() const { return listItems_; } // sorted as the list box sorts
    int selectedIndex() const { return selectedIndex_; }        // -1 none
    QString selectedName() const;                               // "" when nothing is selected
    QString numberText() const { return number_; }              // "0" at start
    QString newNameText() const { return newName_; }
    bool addEnabled() const { return addEnabled_; }
    // The results button: enabled at start, then set only by pickListItem.
    bool resultsEnabled() const { return resultsEnabled_; }
    enum class Focus { None, NewName, PatientList };
    Focus requestedFocus() const { return focus_; } // where the last handler moved the focus
    // Number of lines the list box drops down (at least 1).
    int dropDownCount(int windowHeight, int panelTop, int listTop, int itemHeight) const;

    // The number in the number field; a shown conversion error and nothing when it is not an
    // integer.
    std::optional<int> selectedPatientNumber();

    const std::vector<PatientEntry>& patients() const { return patients_; } // file order
    int PatientCount() const { return static_cast<int>(patients_.size()); }
    int MaxPatientNumber() const { return maxPatientNumber_; }

private:
    void setNumber(const QString& text); // runs the number lookup when the text changes
    void lookUpNumber();
    void showError(const QString& text);
    bool refuseName(const QString& name);
    void reloadChangedList();

    PatientStore& store_;
    const SharedTexts& texts_;
    Dialogs& dialogs_;
    QCollator collator_;

    std::vector<PatientEntry> patients_;
    int maxPatientNumber_ = 0;

    QStringList listItems_;
    int selectedIndex_ = -1;
    QString number_ = QStringLiteral("0");
    QString newName_;
    bool addEnabled_ = false;
    bool resultsEnabled_ = true;
    Focus focus_ = Focus::None;
};

} // namespace trelon
