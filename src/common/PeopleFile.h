#pragma once
// People.txt as bytes: a name line and a number line per patient, in order of registration,
// in Windows-1251 with CR LF line ends. Pure functions; the files themselves are PatientStore's.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace trelon {

struct PatientEntry {
    QString name;
    QString number; // as read from the file, without blanks around it
};

// The patients of a People.txt, in file order, and their highest number; or the error (naming
// the file path and the line, quoting at most 40 characters of it) that stopped the reading.
// Lines end in CR LF, LF or CR.
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

// The message shown when text is not an integer, quoting at most 40 characters of it.
QString notAnIntegerMessage(const QString& text);

} // namespace trelon
