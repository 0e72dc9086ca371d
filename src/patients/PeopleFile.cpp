#include "patients/PeopleFile.h"

#include "common/Cp1251.h"
#include "common/StrictNumbers.h"

#include <QStringList>
#include <algorithm>

namespace trelon {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

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

QString notAnIntegerMessage(const QString& text) {
    return QStringLiteral("\"%1\" не является целым числом.").arg(text);
}

} // namespace trelon
