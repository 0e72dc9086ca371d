#include "patients/PatientStore.h"

#include "common/DataFolderLock.h"
#include "common/StrictNumbers.h"
#include "config/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
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

QString PatientStore::tryDataFolder(const QString& dir, bool withCommonResults) {
    // Taken first: it shows the folder can be written, and a second copy starting at the same
    // moment does not clear this one's temporary files (nor this one the other's).
    const DataFolderLock lock(dir);
    if (!lock.locked()) {
        return lock.error();
    }
    if (const FileResult scratch =
            writeFileAtomically(resolvePath(dir, kScratchFile), QByteArrayLiteral("1"));
        !scratch.ok()) {
        return scratch.error;
    }
    const QString people = resolvePath(dir, kPeopleFile);
    if (const FileResult list = appendToFile(people, {}); !list.ok()) {
        return list.error;
    }
    if (withCommonResults) {
        if (const FileResult common = appendToFile(resolvePath(dir, kCommonResultsFile), {});
            !common.ok()) {
            return common.error;
        }
    }
    paths_.DataDir = dir;
    paths_.PeopleFilePath = people;
    // Writes a crash cut short left their files whole; their temporary files go.
    removeInterruptedWrites(dir);
    removeInterruptedWrites(resolvePath(dir, kResultsFolder));
    return {};
}

bool PatientStore::SetUpDataFolder(const std::function<void()>& hideSplash) {
    const QString programDir = withSlash(paths_.ProgramDir);
    if (const DataFolderLock lock(programDir); lock.locked()) {
        removeInterruptedWrites(programDir); // the settings file's
    }
    const QString why = tryDataFolder(programDir, false);
    if (why.isEmpty()) {
        return true;
    }
    // The program folder cannot be written (an installed program): the folder this user chose
    // before, else the operator's choice, which is remembered for the next start.
    const std::optional<QString> remembered = rememberedDataFolder();
    if (remembered && tryDataFolder(*remembered, true).isEmpty()) {
        paths_.ResultsFilePath = commonResultsFile();
        return true;
    }
    if (hideSplash) {
        hideSplash();
    }
    // The operator learns why before being asked for another folder.
    dialogs_.information(QStringLiteral("Папку программы нельзя использовать для данных "
                                        "пациентов.\n%1\nВыберите другую папку.")
                             .arg(why));
    const QString startDir = remembered.value_or(proposedDataFolder());
    for (;;) {
        const std::optional<QString> chosen = dialogs_.chooseFolder(startDir);
        if (!chosen) {
            return false;
        }
        const QString dir = withSlash(*chosen);
        if (tryDataFolder(dir, true).isEmpty()) {
            paths_.ResultsFilePath = commonResultsFile();
            rememberDataFolder(dir); // if this fails, the next start merely asks again
            return true;
        }
        dialogs_.information(texts_.FolderNotWritable);
        if (hideSplash) {
            hideSplash();
        }
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

bool PatientStore::isRegistered(const QString& name, int number) const {
    const PeopleFile current = readPeople();
    for (const PatientEntry& entry : current.entries) {
        if (entry.name == name && strToInt(entry.number) == number) {
            return true;
        }
    }
    return false;
}

PatientStore::Addition PatientStore::addPatient(const QString& name) {
    Addition addition;
    const DataFolderLock lock(paths_.DataDir);
    if (!lock.locked()) {
        addition.error = QStringLiteral("Пациент не добавлен, файл %1 не изменён.\n%2")
                             .arg(paths_.PeopleFilePath, lock.error());
        return addition;
    }
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

PatientStore::Removal PatientStore::removePatient(int number, const QString& name) {
    Removal removal;
    const DataFolderLock lock(paths_.DataDir);
    if (!lock.locked()) {
        removal.error = QStringLiteral("Пациент не удалён, файл %1 не изменён.\n%2")
                            .arg(paths_.PeopleFilePath, lock.error());
        return removal;
    }
    const PeopleFile current = readPeople();
    if (!current.error.isEmpty()) {
        removal.error = unchangedMessage(current.error);
        return removal;
    }
    removal.stale = std::none_of(current.entries.begin(), current.entries.end(),
                                 [&](const PatientEntry& entry) {
                                     return entry.name == name && strToInt(entry.number) == number;
                                 });
    if (removal.stale) {
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
