#include "patients/PatientPanel.h"

#include "common/Cp1251.h"
#include "common/StrictNumbers.h"

#include <QLocale>
#include <algorithm>

namespace trelon {

namespace {

const QString kCaption = QStringLiteral("ТРЕЛОН-2");

// The characters of text that Windows-1251 cannot hold, each once.
QString unencodableCharacters(const QString& text) {
    QString bad;
    for (const QChar c : text) {
        if (!toCp1251(QString(c)) && !bad.contains(c)) {
            bad += c;
        }
    }
    return bad;
}

} // namespace

PatientPanel::PatientPanel(PatientStore& store, const SharedTexts& texts, Dialogs& dialogs)
    : store_(store), texts_(texts), dialogs_(dialogs),
      collator_(QLocale(QLocale::Russian, QLocale::Russia)) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

// ---- Patient list ----

bool PatientPanel::LoadPatientList() {
    PeopleFile parsed = store_.readPeople();
    if (!parsed.error.isEmpty()) {
        showError(parsed.error);
        return false;
    }
    patients_ = std::move(parsed.entries);
    maxPatientNumber_ = parsed.maxNumber;

    // A sorted list box: locale order ignoring case, ties in plain order so the order is total.
    listItems_.clear();
    for (const PatientEntry& entry : patients_) {
        listItems_ << entry.name;
    }
    std::stable_sort(listItems_.begin(), listItems_.end(),
                     [this](const QString& a, const QString& b) {
                         const int order = collator_.compare(a, b);
                         return order != 0 ? order < 0 : a < b;
                     });

    selectedIndex_ = listItems_.isEmpty() ? -1 : 0;
    const QString name = selectedName();
    for (const PatientEntry& entry : patients_) {
        if (!name.isEmpty() && entry.name == name) {
            setNumber(entry.number);
        }
    }
    return true;
}

void PatientPanel::SelectPatientName(const QString& name) {
    const qsizetype index = listItems_.indexOf(name);
    if (index >= 0) {
        selectedIndex_ = static_cast<int>(index);
    }
}

bool PatientPanel::DeletePatient(int number, const QString& name) {
    PatientStore::Removal removal = store_.removePatient(number, name);
    if (!removal.error.isEmpty()) {
        showError(removal.error);
        return false;
    }
    if (removal.stale) {
        reloadChangedList();
        return false;
    }
    patients_ = std::move(removal.kept);
    return true;
}

bool PatientPanel::confirmSelection() {
    const std::optional<int> number = strToInt(number_);
    if (!number || selectedName().isEmpty() || store_.isRegistered(selectedName(), *number)) {
        return true; // nothing selected, or the number field's own error applies
    }
    reloadChangedList();
    return false;
}

// Another copy of the program changed the patient the operator acts on: the list shown is
// replaced by the file's and nothing is done.
void PatientPanel::reloadChangedList() {
    dialogs_.information(QStringLiteral("Список пациентов изменён в другой копии программы и "
                                        "прочитан заново. Выберите пациента ещё раз."));
    LoadPatientList();
}

// ---- Handlers ----

void PatientPanel::setNewName(const QString& text) {
    focus_ = Focus::None;
    newName_ = text;
    addEnabled_ = !text.isEmpty();
}

// A name goes on one line of a Windows-1251 file and is told apart from others by what the
// list shows; anything else cannot be stored faithfully.
bool PatientPanel::refuseName(const QString& name) {
    QString problem;
    if (name.isEmpty()) {
        problem = QStringLiteral("Введите фамилию пациента: имя из одних пробелов не сохраняется.");
    } else if (std::any_of(name.begin(), name.end(),
                           [](QChar c) { return c.category() == QChar::Other_Control; })) {
        problem = QStringLiteral("Имя не может содержать перевод строки, табуляцию и другие "
                                 "управляющие символы.");
    } else if (const QString bad = unencodableCharacters(name); !bad.isEmpty()) {
        problem = QStringLiteral("Имя содержит символы, которые нельзя сохранить: ") + bad;
    }
    if (problem.isEmpty()) {
        return false;
    }
    dialogs_.information(problem);
    focus_ = Focus::NewName;
    return true;
}

void PatientPanel::addPatient() {
    focus_ = Focus::None;
    if (newName_.isEmpty()) {
        return;
    }
    // Blanks around a name cannot be seen in the list: "  Тестов  " would pass for "Тестов".
    const QString name = newName_.trimmed();
    if (refuseName(name)) {
        return;
    }
    const PatientStore::Addition addition = store_.addPatient(name);
    if (addition.nameTaken) {
        dialogs_.information(QStringLiteral("Такой пациент уже существует."));
        focus_ = Focus::NewName;
        return;
    }
    if (!addition.error.isEmpty()) {
        showError(addition.error);
    }
    if (!addition.number || !LoadPatientList()) {
        return;
    }
    setNumber(QString::number(*addition.number));
    SelectPatientName(name);
    setNewName(QString());
    focus_ = Focus::PatientList;
}

void PatientPanel::pickListItem(int index) {
    focus_ = Focus::None;
    selectedIndex_ = (index >= 0 && index < listItems_.size()) ? index : -1;
    if (selectedIndex_ >= 0) {
        const QString name = selectedName();
        for (const PatientEntry& entry : patients_) {
            if (entry.name == name) {
                setNumber(entry.number);
            }
        }
    }
    resultsEnabled_ = selectedIndex_ >= 0;
}

void PatientPanel::setNumberText(const QString& text) {
    focus_ = Focus::None;
    number_ = text;
    lookUpNumber();
}

void PatientPanel::setNumber(const QString& text) {
    if (text != number_) {
        number_ = text;
        lookUpNumber();
    }
}

// Selects the patient whose number text equals the number field exactly. A number above every
// registered one jumps to the first patient in file order. A number that matches nobody
// clears the selection, so the list never shows a name with another patient's number.
void PatientPanel::lookUpNumber() {
    if (number_.isEmpty()) {
        return;
    }
    const std::optional<int> number = strToInt(number_);
    if (!number) {
        showError(notAnIntegerMessage(number_));
        return;
    }
    if (*number > maxPatientNumber_) {
        if (!patients_.empty()) {
            const PatientEntry first = patients_.front();
            setNumber(first.number);
            SelectPatientName(first.name);
        }
        return;
    }
    for (const PatientEntry& entry : patients_) {
        if (entry.number == number_) {
            SelectPatientName(entry.name);
            return;
        }
    }
    selectedIndex_ = -1;
}

void PatientPanel::DeleteSelectedPatient() {
    focus_ = Focus::None;
    if (selectedIndex_ < 0) {
        return; // no name to ask about
    }
    const std::optional<int> number = selectedPatientNumber();
    if (!number) {
        return;
    }
    if (!dialogs_.confirm(texts_.DeletingPatient + QStringLiteral(" - ") + selectedName())) {
        return;
    }
    if (DeletePatient(*number, selectedName())) {
        LoadPatientList();
    }
}

// ---- View state ----

QString PatientPanel::selectedName() const {
    return selectedIndex_ >= 0 ? listItems_[selectedIndex_] : QString();
}

int PatientPanel::dropDownCount(int windowHeight, int panelTop, int listTop, int itemHeight) const {
    if (itemHeight <= 0) {
        return 1;
    }
    const int count = (windowHeight - panelTop - listTop - 2 * itemHeight - 30) / itemHeight;
    return std::max(count, 1);
}

std::optional<int> PatientPanel::selectedPatientNumber() {
    const std::optional<int> number = strToInt(number_);
    if (!number) {
        showError(notAnIntegerMessage(number_));
    }
    return number;
}

void PatientPanel::showError(const QString& text) {
    dialogs_.error(kCaption, text);
}

} // namespace trelon
