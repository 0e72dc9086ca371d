#include "patients/PatientRegistry.h"

#include "common/StrictNumbers.h"

#include "common/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <limits>

namespace trelon {

namespace {

const QString kCaption = QStringLiteral("ТРЕЛОН-2");
const QString kPeopleFile = QStringLiteral("People.txt");
const QString kScratchFile = QStringLiteral("~~1~~.~~~");
const QString kCommonResultsFile = QStringLiteral("RezClass.dat");
const QString kResultsFolder = QStringLiteral("Rezults");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
constexpr qint64 kRecordSize = 288; // bytes of one result record

QString withSlash(const QString& dir) {
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

// The lines of a text file: ends are CR LF or a lone LF; the last line needs no end.
QStringList splitLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) {
        lines.removeLast(); // the end of the last line, or an empty file
    }
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    return lines;
}

} // namespace

// People.txt holds a name line and a number line per patient, in order of registration.
PeopleFile parsePeopleFile(const QString& path, const QByteArray& bytes) {
    PeopleFile parsed;
    const QStringList lines = splitLines(fromCp1251(bytes));
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        if (i + 1 >= lines.size()) {
            parsed.error =
                QStringLiteral("Файл %1, строка %2: у пациента «%3» нет строки с номером.")
                    .arg(path)
                    .arg(i + 1)
                    .arg(lines[i]);
            return parsed;
        }
        // Blanks around the digits are read past, as the list's number conversion always did.
        const QString numberText = lines[i + 1].trimmed();
        const std::optional<int> number = strToInt(numberText);
        if (!number) {
            parsed.error = QStringLiteral("Файл %1, строка %2: %3")
                               .arg(path)
                               .arg(i + 2)
                               .arg(notAnIntegerMessage(lines[i + 1]));
            return parsed;
        }
        parsed.maxNumber = std::max(parsed.maxNumber, *number);
        parsed.entries.push_back({lines[i], numberText});
    }
    return parsed;
}

std::optional<QByteArray> peopleFileBytes(const std::vector<PatientEntry>& entries) {
    QString text;
    for (const PatientEntry& entry : entries) {
        text += entry.name + QStringLiteral("\r\n") + entry.number + QStringLiteral("\r\n");
    }
    return toCp1251(text);
}

std::optional<QByteArray> peopleFileWithPatient(QByteArray bytes, const QString& name, int number) {
    const std::optional<QByteArray> nameBytes = toCp1251(name);
    if (!nameBytes) {
        return std::nullopt;
    }
    // A file whose last line has no end gets one first, so the new name starts its own line.
    if (bytes.endsWith('\r')) {
        bytes += '\n';
    } else if (!bytes.isEmpty() && !bytes.endsWith('\n')) {
        bytes += kLineEnd;
    }
    return bytes + *nameBytes + kLineEnd + QByteArray::number(number) + kLineEnd;
}

namespace {

// Reads and parses the file; a read failure is reported like a parse error.
PeopleFile readPatients(const QString& path, QByteArray* bytesRead = nullptr) {
    PeopleFile parsed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        parsed.error =
            QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, file.errorString());
        return parsed;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        parsed.error =
            QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, file.errorString());
        return parsed;
    }
    if (bytesRead != nullptr) {
        *bytesRead = bytes;
    }
    return parsePeopleFile(path, bytes);
}

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

QString notAnIntegerMessage(const QString& text) {
    return QStringLiteral("\"%1\" не является целым числом.").arg(text);
}

PatientRegistry::PatientRegistry(Paths& paths, const SharedTexts& texts, Dialogs& dialogs)
    : paths_(paths), texts_(texts), dialogs_(dialogs),
      collator_(QLocale(QLocale::Russian, QLocale::Russia)) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

// ---- Data folder ----

bool PatientRegistry::tryDataFolder(const QString& dir, bool withCommonResults) {
    if (!writeFileAtomically(resolvePath(dir, kScratchFile), QByteArrayLiteral("1")).ok()) {
        return false;
    }
    const QString people = resolvePath(dir, kPeopleFile);
    if (!appendToFile(people, {}).ok()) {
        return false;
    }
    if (withCommonResults && !appendToFile(resolvePath(dir, kCommonResultsFile), {}).ok()) {
        return false;
    }
    paths_.DataDir = dir;
    paths_.PeopleFilePath = people;
    // Writes a crash cut short left their files whole; their temporary files go.
    removeInterruptedWrites(dir);
    removeInterruptedWrites(resolvePath(dir, kResultsFolder));
    return true;
}

bool PatientRegistry::SetUpDataFolder(const std::function<void()>& hideSplash) {
    const QString programDir = withSlash(paths_.ProgramDir);
    removeInterruptedWrites(programDir); // the settings file's
    for (;;) {
        if (tryDataFolder(programDir, false)) {
            return true;
        }
        if (hideSplash) {
            hideSplash();
        }
        const std::optional<QString> chosen = dialogs_.chooseFolder(programDir);
        if (!chosen) {
            return false;
        }
        const QString dir = withSlash(*chosen);
        if (tryDataFolder(dir, true)) {
            paths_.ResultsFilePath = commonResultsFile();
            return true;
        }
        dialogs_.information(texts_.FolderNotWritable);
    }
}

FileResult PatientRegistry::EnsureResultsFolder() {
    if (QFileInfo(resolvePath(paths_.DataDir, kResultsFolder)).isDir()) {
        return {};
    }
    const QString folder = paths_.DataDir + kResultsFolder;
    if (!QDir().mkdir(folder)) {
        return {QStringLiteral("Cannot create ") + folder};
    }
    return {};
}

// ---- Patient list ----

bool PatientRegistry::LoadPatientList() {
    PeopleFile parsed = readPatients(paths_.PeopleFilePath);
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
    const QString name = listText();
    for (const PatientEntry& entry : patients_) {
        if (!name.isEmpty() && entry.name == name) {
            setEditAll(entry.number);
        }
    }
    return true;
}

void PatientRegistry::SelectPatientName(const QString& name) {
    const qsizetype index = listItems_.indexOf(name);
    if (index >= 0) {
        selectedIndex_ = static_cast<int>(index);
    }
}

bool PatientRegistry::CheckNewPatientName(const QString& name) {
    return CheckNewPatientName(name, patients_);
}

bool PatientRegistry::CheckNewPatientName(const QString& name,
                                          const std::vector<PatientEntry>& entries) {
    for (const PatientEntry& entry : entries) {
        if (entry.name == name) {
            dialogs_.information(QStringLiteral("Такой пациент уже существует."));
            focus_ = Focus::EditFam;
            return false;
        }
    }
    return true;
}

bool PatientRegistry::DeletePatient(int number) {
    // The list is taken from the file as it is now; one that cannot be read is not rewritten.
    PeopleFile current = readPatients(paths_.PeopleFilePath);
    if (!current.error.isEmpty()) {
        refuseChange(current.error);
        return false;
    }
    std::vector<PatientEntry> kept;
    for (const PatientEntry& entry : current.entries) {
        if (strToInt(entry.number) != number) {
            kept.push_back(entry);
        }
    }
    const std::optional<QByteArray> bytes = peopleFileBytes(kept);
    if (!bytes) {
        showError(QStringLiteral("Не удалось записать файл %1: текст не в кодировке Windows-1251.")
                      .arg(paths_.PeopleFilePath));
        return false;
    }
    const FileResult written = writeFileAtomically(paths_.PeopleFilePath, *bytes);
    if (!written.ok()) {
        showError(written.error);
        return false;
    }
    patients_ = std::move(kept);
    return true;
}

void PatientRegistry::refuseChange(const QString& why) {
    showError(QStringLiteral("Список пациентов не изменён: %1\nИсправьте файл и откройте программу "
                             "снова.")
                  .arg(why));
}

// A results file that holds a record belongs to a patient, deleted or not.
bool PatientRegistry::resultsFileHoldsRecords(int number) const {
    return QFileInfo(patientResultsFile(number)).size() >= kRecordSize;
}

std::optional<int> PatientRegistry::freeNumber(int maxNumber) {
    for (qint64 number = qint64(maxNumber) + 1; number <= std::numeric_limits<int>::max();
         ++number) {
        if (!resultsFileHoldsRecords(static_cast<int>(number))) {
            return static_cast<int>(number);
        }
    }
    showError(QStringLiteral("Пациент не добавлен: в файле %1 уже есть номер %2, больше номеров "
                             "нет.")
                  .arg(paths_.PeopleFilePath)
                  .arg(maxNumber));
    return std::nullopt;
}

// ---- Handlers ----

void PatientRegistry::EditFamChange(const QString& text) {
    focus_ = Focus::None;
    editFam_ = text;
    addEnabled_ = !text.isEmpty();
}

// A name goes on one line of a Windows-1251 file; anything else cannot be stored faithfully.
bool PatientRegistry::refuseName(const QString& name) {
    QString problem;
    if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) {
        problem = QStringLiteral("Имя не может содержать перевод строки.");
    } else if (const QString bad = unencodableCharacters(name); !bad.isEmpty()) {
        problem = QStringLiteral("Имя содержит символы, которые нельзя сохранить: ") + bad;
    }
    if (problem.isEmpty()) {
        return false;
    }
    dialogs_.information(problem);
    focus_ = Focus::EditFam;
    return true;
}

void PatientRegistry::BitBtn9Click() {
    focus_ = Focus::None;
    const QString name = editFam_;
    if (name.isEmpty() || refuseName(name)) {
        return;
    }
    const QString path = paths_.PeopleFilePath;
    // The list is taken from the file as it is now: a list that cannot be read takes nobody,
    // since neither the free number nor the names already there are known.
    QByteArray bytes;
    PeopleFile current = readPatients(path, &bytes);
    if (!current.error.isEmpty()) {
        refuseChange(current.error);
        return;
    }
    if (!CheckNewPatientName(name, current.entries)) {
        return;
    }
    const std::optional<int> number = freeNumber(current.maxNumber);
    if (!number) {
        return;
    }
    const std::optional<QByteArray> added = peopleFileWithPatient(bytes, name, *number);
    if (!added) {
        return;
    }

    // The whole list is replaced, so a crash or a full disk leaves the old list or the new one.
    const FileResult written = writeFileAtomically(path, *added);
    if (!written.ok()) {
        showError(written.error);
        return;
    }
    if (!LoadPatientList()) {
        return;
    }
    setEditAll(QString::number(*number));
    SelectPatientName(name);
    EditFamChange(QString());
    focus_ = Focus::PatientList;
}

void PatientRegistry::ComboBox2Change(int index) {
    focus_ = Focus::None;
    selectedIndex_ = (index >= 0 && index < listItems_.size()) ? index : -1;
    if (selectedIndex_ >= 0) {
        const QString name = listText();
        for (const PatientEntry& entry : patients_) {
            if (entry.name == name) {
                setEditAll(entry.number);
            }
        }
    }
    resultsEnabled_ = selectedIndex_ >= 0;
}

void PatientRegistry::EditAllChange(const QString& text) {
    focus_ = Focus::None;
    editAll_ = text;
    lookUpNumber();
}

void PatientRegistry::setEditAll(const QString& text) {
    if (text != editAll_) {
        editAll_ = text;
        lookUpNumber();
    }
}

// Selects the patient whose number text equals EditAll exactly. A number above every
// registered one jumps to the first patient in file order. A number that matches nobody
// clears the selection, so the list never shows a name with another patient's number.
void PatientRegistry::lookUpNumber() {
    if (editAll_.isEmpty()) {
        return;
    }
    const std::optional<int> number = strToInt(editAll_);
    if (!number) {
        showError(notAnIntegerMessage(editAll_));
        return;
    }
    if (*number > maxPatientNumber_) {
        if (!patients_.empty()) {
            const PatientEntry first = patients_.front();
            setEditAll(first.number);
            SelectPatientName(first.name);
        }
        return;
    }
    for (const PatientEntry& entry : patients_) {
        if (entry.number == editAll_) {
            SelectPatientName(entry.name);
            return;
        }
    }
    selectedIndex_ = -1;
}

void PatientRegistry::DeleteSelectedPatient() {
    focus_ = Focus::None;
    if (selectedIndex_ < 0) {
        return; // no name to ask about
    }
    const std::optional<int> number = selectedPatientNumber();
    if (!number) {
        return;
    }
    if (!dialogs_.confirm(texts_.DeletingPatient + QStringLiteral(" - ") + listText())) {
        return;
    }
    if (DeletePatient(*number)) {
        LoadPatientList();
    }
}

// ---- View state and paths ----

QString PatientRegistry::listText() const {
    return selectedIndex_ >= 0 ? listItems_[selectedIndex_] : QString();
}

int PatientRegistry::dropDownCount(int windowHeight, int panelTop, int listTop,
                                   int itemHeight) const {
    if (itemHeight <= 0) {
        return 1;
    }
    const int count = (windowHeight - panelTop - listTop - 2 * itemHeight - 30) / itemHeight;
    return std::max(count, 1);
}

std::optional<int> PatientRegistry::selectedPatientNumber() {
    const std::optional<int> number = strToInt(editAll_);
    if (!number) {
        showError(notAnIntegerMessage(editAll_));
    }
    return number;
}

QString PatientRegistry::patientResultsFile(int number) const {
    return resolvePath(paths_.DataDir, kResultsFolder + QLatin1Char('/') + QString::number(number) +
                                           QStringLiteral(".dat"));
}

QString PatientRegistry::commonResultsFile() const {
    return resolvePath(paths_.DataDir, kCommonResultsFile);
}

void PatientRegistry::showError(const QString& text) {
    dialogs_.error(kCaption, text);
}

} // namespace trelon
