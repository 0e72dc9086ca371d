#include "config/UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace trelon {

namespace {

const QString kDataFolderFile = QStringLiteral("DataFolder.txt");

QString withSlash(const QString& dir) {
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

} // namespace

QString userConfigDir() {
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

bool programSettingsReadOnly(const QString& programDir) {
    const QFileInfo folder(programDir);
    if (!folder.isDir()) {
        return false; // nothing to fall back from: writing reports the missing folder
    }
    const QFileInfo file(resolvePath(programDir, QStringLiteral("Class.ini")));
    return !folder.isWritable() || (file.exists() && !file.isWritable());
}

QString userSettingsFilePath() {
    return userConfigDir() + QStringLiteral("Class.ini");
}

std::optional<QString> rememberedDataFolder() {
    QFile file(userConfigDir() + kDataFolderFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QString dir = QString::fromUtf8(file.readAll()).trimmed();
    if (dir.isEmpty()) {
        return std::nullopt;
    }
    return withSlash(dir);
}

FileResult rememberDataFolder(const QString& dir) {
    const QString configDir = userConfigDir();
    if (!QDir().mkpath(configDir)) {
        return {QStringLiteral("Cannot create ") + configDir};
    }
    return writeFileAtomically(configDir + kDataFolderFile,
                               QDir::cleanPath(dir).toUtf8() + QByteArrayLiteral("\n"));
}

QString proposedDataFolder() {
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) +
           QStringLiteral("ТРЕЛОН-2/");
}

} // namespace trelon
