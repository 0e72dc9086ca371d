#include "config/IniFile.h"

#include "common/Cp1251.h"
#include "common/DataFolderLock.h"

#include <QFile>
#include <QFileInfo>

namespace trelon {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

// Trims the blanks the profile functions trim (not every Unicode space: 0xA0 stays).
QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin))) {
        ++begin;
    }
    while (end > begin && isBlank(text.at(end - 1))) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

// Case-folded in place; plain ASCII (every key the program reads) without the Unicode tables.
QString folded(QString text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80) {
            return std::move(text).toCaseFolded(); // the lowered prefix folds to itself
        }
        if (u >= u'A' && u <= u'Z') {
            c = QChar(u + (u'a' - u'A'));
        }
    }
    return text;
}

// "section\nkey" folded, in one buffer: every settings read looks a key up.
QString foldedKey(const QString& section, const QString& key) {
    QString joined;
    joined.reserve(section.size() + 1 + key.size());
    joined += section;
    joined += QLatin1Char('\n');
    joined += key;
    return folded(std::move(joined));
}

// A value as the profile reader returns it: trimmed, one pair of enclosing quotes removed,
// cut to the longest length a reader accepts.
QString cleanValue(const QString& raw) {
    QString value = trimBlanks(raw).toString();
    if (value.size() >= 2 &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front()) {
        value = value.mid(1, value.size() - 2);
    }
    return value.left(kMaxIniValueLength);
}

enum class LineKind { Blank, Other, Section, Key };

// One line of the file: its raw bytes, its line end as found, and what it holds.
struct Line {
    QByteArray body;   // without the line end
    QByteArray ending; // "\r\n", "\n", or empty for an unterminated last line
    LineKind kind = LineKind::Other;
    QString name;     // section name or key, trimmed
    QString rawValue; // text after '=' of a key line, untrimmed
};

void classify(Line& line) {
    const QString text = fromCp1251(line.body);
    const QStringView trimmed = trimBlanks(text); // a view: this runs for every line read
    if (trimmed.isEmpty()) {
        line.kind = LineKind::Blank;
    } else if (trimmed.startsWith(QLatin1Char(';'))) {
        line.kind = LineKind::Other; // comment
    } else if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = trimBlanks(trimmed.sliced(1, close - 1)).toString();
        }
    } else if (const qsizetype eq = text.indexOf(QLatin1Char('=')); eq >= 0) {
        line.name = trimBlanks(QStringView(text).first(eq)).toString();
        if (!line.name.isEmpty()) {
            line.kind = LineKind::Key;
            line.rawValue = text.mid(eq + 1);
        }
    }
}

// The UTF-8 byte order mark some editors put at the start of a file saved as UTF-8. It is read
// past (the first section must not hide behind it) and written back as found.
const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// Lines end in CR LF, LF or a lone CR, mixed as they come; each keeps its end for rewriting.
QList<Line> splitLines(const QByteArray& bytes) {
    QList<Line> lines;
    lines.reserve(bytes.count('\n') + 1);
    qsizetype start = bytes.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (start < bytes.size()) {
        Line line;
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\n' && bytes.at(end) != '\r') {
            ++end;
        }
        line.body = bytes.mid(start, end - start);
        if (end == bytes.size()) {
            start = end;
        } else if (bytes.at(end) == '\r' && end + 1 < bytes.size() && bytes.at(end + 1) == '\n') {
            // Shared literals rather than a copy per line.
            line.ending = QByteArrayLiteral("\r\n");
            start = end + 2;
        } else {
            line.ending = bytes.at(end) == '\r' ? QByteArrayLiteral("\r") : QByteArrayLiteral("\n");
            start = end + 1;
        }
        classify(line);
        lines.append(std::move(line));
    }
    return lines;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first line holding key in a section of that name, or -1.
qsizetype findKey(const QList<Line>& lines, const QString& section, const QString& key) {
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section) {
            inSection = sameName(lines[i].name, section);
        } else if (inSection && lines[i].kind == LineKind::Key && sameName(lines[i].name, key)) {
            return i;
        }
    }
    return -1;
}

qsizetype findSection(const QList<Line>& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && sameName(lines[i].name, section)) {
            return i;
        }
    }
    return -1;
}

// Where a new key of the section headed at line header goes: after its last non-blank line,
// so blank lines separating it from the next section stay after it.
qsizetype insertPoint(const QList<Line>& lines, qsizetype header) {
    qsizetype at = header + 1;
    for (qsizetype i = header + 1; i < lines.size() && lines[i].kind != LineKind::Section; ++i) {
        if (lines[i].kind != LineKind::Blank) {
            at = i + 1;
        }
    }
    return at;
}

void insertLine(QList<Line>& lines, qsizetype at, const QByteArray& body) {
    if (at > 0 && lines[at - 1].ending.isEmpty()) {
        lines[at - 1].ending = QByteArrayLiteral("\r\n");
    }
    Line line;
    line.body = body;
    line.ending = QByteArrayLiteral("\r\n");
    classify(line);
    lines.insert(at, line);
}

QByteArray trimmedRight(QByteArray bytes) {
    while (!bytes.isEmpty() && isBlank(QLatin1Char(bytes.back()))) {
        bytes.chop(1);
    }
    return bytes;
}

void setKey(QList<Line>& lines, const QString& section, const QByteArray& sectionBytes,
            const QString& key, const QByteArray& keyBytes, const QByteArray& valueBytes) {
    const qsizetype existing = findKey(lines, section, key);
    if (existing >= 0) {
        // Keep the key's own spelling and indentation; only the value changes.
        Line& line = lines[existing];
        const QByteArray spelling = trimmedRight(line.body.left(line.body.indexOf('=')));
        line.body = spelling + '=' + valueBytes;
        classify(line);
        return;
    }
    const QByteArray keyLine = keyBytes + '=' + valueBytes;
    const qsizetype header = findSection(lines, section);
    if (header >= 0) {
        insertLine(lines, insertPoint(lines, header), keyLine);
        return;
    }
    insertLine(lines, lines.size(), '[' + sectionBytes + ']');
    insertLine(lines, lines.size(), keyLine);
}

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Names that would read back as something else, or break the file's structure, are refused.
bool validSection(const QString& section) {
    return !section.isEmpty() && trimBlanks(section) == section && !hasLineBreak(section) &&
           !section.contains(QLatin1Char(']'));
}

bool validKey(const QString& key) {
    return !key.isEmpty() && trimBlanks(key) == key && !hasLineBreak(key) &&
           !key.contains(QLatin1Char('=')) && !key.startsWith(QLatin1Char('[')) &&
           !key.startsWith(QLatin1Char(';'));
}

} // namespace

IniFile IniFile::load(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return fromBytes(file.readAll());
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    QString section;
    bool inSection = false;
    for (const Line& line : splitLines(bytes)) {
        if (line.kind == LineKind::Section) {
            section = line.name;
            inSection = true;
        } else if (line.kind == LineKind::Key && inSection) {
            const QString key = foldedKey(section, line.name);
            if (!ini.values_.contains(key)) { // the first occurrence wins
                ini.values_.insert(key, cleanValue(line.rawValue));
            }
        }
    }
    return ini;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    const auto it = values_.constFind(foldedKey(section, key));
    if (it == values_.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

void IniFile::overlay(const IniFile& over) {
    values_.insert(over.values_);
}

QString IniFile::read(const QString& section, const QString& key,
                      const QString& defaultValue) const {
    return value(section, key).value_or(defaultValue);
}

FileResult IniFile::writeKey(const QString& path, const QString& section, const QString& key,
                             const QString& value) {
    return writeKeys(path, section, {{key, value}});
}

std::optional<QByteArray> IniFile::rewritten(const QByteArray& original, const QString& section,
                                             const IniKeyValues& keyValues) {
    const std::optional<QByteArray> sectionBytes = toCp1251(section);
    if (!validSection(section) || !sectionBytes) {
        return std::nullopt;
    }
    struct Encoded {
        QByteArray key;
        QByteArray value;
    };
    QList<Encoded> encoded;
    for (const auto& [key, value] : keyValues) {
        const std::optional<QByteArray> keyBytes = toCp1251(key);
        const std::optional<QByteArray> valueBytes = toCp1251(value);
        if (!validKey(key) || hasLineBreak(value) || !keyBytes || !valueBytes) {
            return std::nullopt;
        }
        encoded.append({*keyBytes, *valueBytes});
    }

    QList<Line> lines = splitLines(original);
    for (qsizetype i = 0; i < keyValues.size(); ++i) {
        setKey(lines, section, *sectionBytes, keyValues[i].first, encoded[i].key, encoded[i].value);
    }
    QByteArray bytes;
    bytes.reserve(original.size() + 64 * keyValues.size());
    if (original.startsWith(kByteOrderMark)) {
        bytes += kByteOrderMark;
    }
    for (const Line& line : lines) {
        bytes += line.body + line.ending;
    }
    return bytes;
}

FileResult IniFile::writeKeys(const QString& path, const QString& section,
                              const IniKeyValues& keyValues) {
    const QFileInfo info(path);
    const FileResult failure{QStringLiteral("Unable to write to ") + info.absoluteFilePath()};
    // Refused names and values are found before the file is read.
    if (!rewritten(QByteArray(), section, keyValues)) {
        return failure;
    }

    // Read, changed and written back under the folder's lock: a second copy of the program saving
    // its settings at the same moment waits, and its keys are added to these, not lost.
    const DataFolderLock lock(info.absolutePath());
    if (!lock.locked()) {
        return lock.busy() ? FileResult{failure.error + QLatin1Char('\n') + lock.error()} : failure;
    }
    QByteArray original;
    if (info.exists()) {
        QFile file(path);
        if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
            return failure;
        }
        original = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            return failure;
        }
    }

    const std::optional<QByteArray> bytes = rewritten(original, section, keyValues);
    if (!bytes || !writeFileAtomically(info.absoluteFilePath(), *bytes).ok()) {
        return failure;
    }
    return {};
}

} // namespace trelon
