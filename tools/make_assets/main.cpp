// Writes every picture and sound of the program into the program folder and a contact sheet
// of the pictures beside it.
//
// Usage: make_assets <program folder> <contact sheet .png>
#include "AssetManifest.h"
#include "ContactSheet.h"
#include "Registry.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

// Writes only when the content changed, so an unchanged file keeps its time stamp.
bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // fonts for the contact sheet, no display
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_assets <program folder> <contact sheet .png>\n");
        return 2;
    }
    const QDir programDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(programDir.path())) {
        std::fprintf(stderr, "make_assets: cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<std::pair<QString, QImage>> sheet;
    for (const auto& asset : trelon::assets::kAssetFiles) {
        const QString name = QString::fromLatin1(asset.name.data(), asset.name.size());
        const auto made = trelon::assets::generate(asset);
        if (!made) {
            std::fprintf(stderr, "make_assets: nothing makes %s\n", qPrintable(name));
            return 1;
        }
        if (!writeIfChanged(programDir.filePath(name), made->bytes)) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(name));
            return 1;
        }
        if (!made->picture.isNull())
            sheet.emplace_back(name, made->picture);
    }
    const QString sheetPath = QString::fromLocal8Bit(argv[2]);
    if (!trelon::assets::contactSheet(sheet).save(sheetPath, "PNG")) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
