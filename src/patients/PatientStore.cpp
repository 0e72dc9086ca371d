#include "patients/PatientStore.h"

#include "common/StrictNumbers.h"
#include "config/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

namespace trelon {

namespace {

const QString kPeopleFile = QStringLiteral("People.txt");
const QString kScratchFile = QStringLiteral("~~1~~.~~~");
const QString kCommonResultsFile = QStringLiteral("RezClass.dat");
const QString kResultsFolder = QStringLiteral("Rezults");
constexpr qint64 kRecordSize = 288; // bytes of one result record

QString withSlash(const QString& dir) {
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

// A change refused because the list could not be read.
QString unchangedMessage(const QString& why) {
    return QStringLiteral("Список пациентов не изменён: %1\nИсправьте файл и откройте программу "
                          "снова.")
        .arg(why);
}

} // namespace

PatientStore::PatientStore(Paths& paths, const SharedTexts& texts, Dialogs& dialogs)
    : paths_(paths), texts_(texts), dialogs_(dialogs) {}

// ---- Data folder ----

bool PatientStore::tryDataFolder(const QString& dir, bool withCommonResults) {
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

bool PatientStore::SetUpDataFolder(const std::function<void()>& hideSplash) {
    const QString programDir = withSlash(paths_.ProgramDir);
    removeInterruptedWrites(programDir); // the settings file's
    if (tryDataFolder(programDir, false)) {
        return true;
    }
    // The program folder cannot be written (an installed program): the folder this user chose
    // before, else the operator's choice, which is remembered for the next start.
    const std::optional<QString> remembered = rememberedDataFolder();
    if (remembered && tryDataFolder(*remembered, true)) {
        paths_.ResultsFilePath = commonResultsFile();
        return true;
    }
    const QString startDir = remembered.value_or(proposedDataFolder());
    for (;;) {
        if (hideSplash) {
            hideSplash();
        }
        const std::optional<QString> chosen = dialogs_.chooseFolder(startDir);
        if (!chosen) {
            return false;
        }
        const QString dir = withSlash(*chosen);
        if (tryDataFolder(dir, true)) {
            paths_.ResultsFilePath = commonResultsFile();
            rememberDataFolder(dir); // if this fails, the next start merely asks again
            return true;
        }
        dialogs_.information(texts_.FolderNotWritable);
    }
}

FileResult PatientStore::EnsureResultsFolder() {
    if (QFileInfo(resolvePath(paths_.DataDir, kResultsFolder)).isDir()) {
        return {};
    }
    const QString folder = paths_.DataDir + kResultsFolder;
    if (!QDir().mkdir(folder)) {
        return {QStringLiteral("Cannot create ") + folder};
    }
    return {};
}

// ---- People.txt ----

PeopleFile PatientStore::readPeople(QByteArray* bytesRead) const {
    const QString& path = paths_.PeopleFilePath;
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

PatientStore::Addition PatientStore::addPatient(const QString& name) {
    Addition addition;
    QByteArray bytes;
    const PeopleFile current = readPeople(&bytes);
    if (!current.error.isEmpty()) {
        addition.error = unchangedMessage(current.error);
        return addition;
    }
    for (const PatientEntry& entry : current.entries) {
        if (entry.name == name) {
            addition.nameTaken = true;
            return addition;
        }
    }
    const std::optional<int> number = freeNumber(current.maxNumber);
    if (!number) {
        addition.error =
            QStringLiteral("Пациент не добавлен: в файле %1 уже есть номер %2, больше номеров нет.")
                .arg(paths_.PeopleFilePath)
                .arg(current.maxNumber);
        return addition;
    }
    const std::optional<QByteArray> added = peopleFileWithPatient(bytes, name, *number);
    if (!added) {
        return addition;
    }
    // The whole list is replaced, so a crash or a full disk leaves the old list or the new one.
    const FileResult written = writeFileAtomically(paths_.PeopleFilePath, *added);
    if (!written.ok()) {
        addition.error = written.error;
        return addition;
    }
    addition.number = number;
    return addition;
}

PatientStore::Removal PatientStore::removePatient(int number) {
    Removal removal;
    const PeopleFile current = readPeople();
    if (!current.error.isEmpty()) {
        removal.error = unchangedMessage(current.error);
        return removal;
    }
    std::vector<PatientEntry> kept;
    for (const PatientEntry& entry : current.entries) {
        if (strToInt(entry.number) != number) {
            kept.push_back(entry);
        }
    }
    const std::optional<QByteArray> bytes = peopleFileBytes(kept);
    if (!bytes) {
        removal.error =
            QStringLiteral("Не удалось записать файл %1: текст не в кодировке Windows-1251.")
                .arg(paths_.PeopleFilePath);
        return removal;
    }
    const FileResult written = writeFileAtomically(paths_.PeopleFilePath, *bytes);
    if (!written.ok()) {
        removal.error = written.error;
        return removal;
    }
    removal.kept = std::move(kept);
    return removal;
}

// ---- Results files ----

// A results file that holds a record belongs to a patient, deleted or not.
bool PatientStore::resultsFileHoldsRecords(int number) const {
    return QFileInfo(patientResultsFile(number)).size() >= kRecordSize;
}

std::optional<int> PatientStore::freeNumber(int maxNumber) const {
    for (qint64 number = qint64(maxNumber) + 1; number <= std::numeric_limits<int>::max();
         ++number) {
        if (!resultsFileHoldsRecords(static_cast<int>(number))) {
            return static_cast<int>(number);
        }
    }
    return std::nullopt;
}

QString PatientStore::patientResultsFile(int number) const {
    return resolvePath(paths_.DataDir, kResultsFolder + QLatin1Char('/') + QString::number(number) +
                                           QStringLiteral(".dat"));
}

QString PatientStore::commonResultsFile() const {
    return resolvePath(paths_.DataDir, kCommonResultsFile);
}

} // namespace trelon
