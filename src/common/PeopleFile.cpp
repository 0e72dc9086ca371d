#include "common/PeopleFile.h"

#include "common/Cp1251.h"
#include "common/StrictNumbers.h"

#include <QStringList>
#include <algorithm>

namespace trelon {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// Characters of a bad line quoted in a message: enough to find it, never a screenful.
constexpr qsizetype kExcerptLength = 40;

// The lines of a text file: ends are CR LF, a lone LF or a lone CR, mixed as they come (files
// edited by hand on other systems); the last line needs no end.
QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines << text.mid(start); // a last line without its end
    }
    return lines;
}

QString excerpt(const QString& line) {
    return line.size() <= kExcerptLength ? line : line.left(kExcerptLength) + QChar(0x2026);
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
                    .arg(excerpt(lines[i]));
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
    return QStringLiteral("\"%1\" не является целым числом.").arg(excerpt(text));
}

} // namespace trelon
