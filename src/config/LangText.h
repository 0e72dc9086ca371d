#pragma once
// Replaceable interface texts from Lang.ini in the program folder: each screen reads its
// captions by (section, key) and falls back to its built-in text.
#include "config/IniFile.h"

#include <QString>

namespace trelon {

class LangFile {
public:
    // Reads programDir + "Lang.ini" (found regardless of letter case) once; a missing or
    // unreadable file gives every text its default.
    static LangFile load(const QString& programDir);
    static LangFile fromBytes(const QByteArray& bytes);

    // The key's value when the key is present (an empty value too), else defaultText.
    QString ReadText(const QString& section, const QString& key, const QString& defaultText) const;

private:
    IniFile ini_;
};

// One text, reading the file for this call alone.
QString ReadText(const QString& programDir, const QString& section, const QString& key,
                 const QString& defaultText);

} // namespace trelon
