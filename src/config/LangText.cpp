#include "config/LangText.h"

#include "common/FileSystem.h"

namespace trelon {

LangFile LangFile::load(const QString& programDir) {
    LangFile file;
    file.ini_ = IniFile::load(resolvePath(programDir, QStringLiteral("Lang.ini")));
    return file;
}

LangFile LangFile::fromBytes(const QByteArray& bytes) {
    LangFile file;
    file.ini_ = IniFile::fromBytes(bytes);
    return file;
}

QString LangFile::ReadText(const QString& section, const QString& key,
                           const QString& defaultText) const {
    return ini_.read(section, key, defaultText);
}

QString ReadText(const QString& programDir, const QString& section, const QString& key,
                 const QString& defaultText) {
    return LangFile::load(programDir).ReadText(section, key, defaultText);
}

} // namespace trelon
