#pragma once
// Initialisation files (Class.ini, Lang.ini): Windows-1251 text with CR LF line ends, sections
// in square brackets and key=value lines. Reading and writing behave like the Windows profile
// functions: sections and keys match regardless of letter case (Cyrillic too), values are
// trimmed, one pair of enclosing quotes is removed, and a write keeps every other line intact.
#include "common/FileSystem.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace trelon {

// Longest value a reader returns; longer values are cut.
inline constexpr int kMaxIniValueLength = 2047;

using IniKeyValues = QList<QPair<QString, QString>>;

class IniFile {
public:
    // Parses the file; a missing or unreadable file reads as an empty one.
    static IniFile load(const QString& path);
    static IniFile fromBytes(const QByteArray& bytes);

    // The value of the first occurrence of key in section, or nothing when absent.
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString read(const QString& section, const QString& key, const QString& defaultValue) const;
    // Every key of over replaces the same key here; the others stay.
    void overlay(const IniFile& over);

    // Sets one key: replaces the value of an existing key in place (keeping its spelling), or
    // adds the key at the end of its section, or adds the section at the end of the file. The
    // file is created when missing and rewritten whole through a temporary file. On failure the
    // file is left untouched and the error is "Unable to write to <full path>".
    static FileResult writeKey(const QString& path, const QString& section, const QString& key,
                               const QString& value);
    // Sets several keys of one section in a single rewrite.
    static FileResult writeKeys(const QString& path, const QString& section,
                                const IniKeyValues& keyValues);
    // The bytes writeKeys stores for a file holding original; nothing when a section, key or
    // value is refused (a line break, a name that would read back as something else, or a
    // character Windows-1251 cannot hold).
    static std::optional<QByteArray> rewritten(const QByteArray& original, const QString& section,
                                               const IniKeyValues& keyValues);

private:
    QHash<QString, QString> values_; // folded "section\nkey" -> value, first occurrence
};

} // namespace trelon
