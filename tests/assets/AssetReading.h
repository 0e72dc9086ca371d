#pragma once
// Reading the generated pictures and sounds of the program folder for the asset tests.
#include "make_assets/AssetManifest.h"

#include "common/FileSystem.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>
#include <string_view>
#include <vector>

namespace trelon::assets::testing {

inline QString programDir() {
    return QStringLiteral(TRELON_PROGRAM_DIR);
}

inline QString toQString(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The bytes of a program-folder file found regardless of letter case (empty if missing).
inline QByteArray readAsset(std::string_view name) {
    QFile file(resolvePath(programDir(), toQString(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QImage loadAsset(std::string_view name) {
    return QImage::fromData(readAsset(name)).convertToFormat(QImage::Format_RGB32);
}

inline quint32 le32(const QByteArray& bytes, int offset) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(bytes.at(offset + i));
    return v;
}

inline quint16 le16(const QByteArray& bytes, int offset) {
    return static_cast<quint16>(static_cast<quint8>(bytes.at(offset)) |
                                (static_cast<quint8>(bytes.at(offset + 1)) << 8));
}

// The headers of a Windows BMP file, as Windows reads them.
struct BmpHeader {
    quint32 fileSize = 0;
    quint32 pixelOffset = 0;
    quint32 infoSize = 0;
    qint32 width = 0;
    qint32 height = 0; // positive: rows stored bottom-up
    quint16 bitCount = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
};

inline BmpHeader parseBmp(const QByteArray& bytes) {
    BmpHeader h;
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return h;
    h.fileSize = le32(bytes, 2);
    h.pixelOffset = le32(bytes, 10);
    h.infoSize = le32(bytes, 14);
    h.width = static_cast<qint32>(le32(bytes, 18));
    h.height = static_cast<qint32>(le32(bytes, 22));
    h.bitCount = le16(bytes, 28);
    h.compression = le32(bytes, 30);
    h.coloursUsed = le32(bytes, 46);
    return h;
}

// Pixel counts of the four stimulus colours and the boxes that the figure composition finds:
// red and white pixels make the red figure's box, blue and white the blue one's.
struct ColourCensus {
    int black = 0, red = 0, blue = 0, white = 0, other = 0;
    QRect redBox, blueBox;
};

inline ColourCensus census(const QImage& picture) {
    ColourCensus c;
    auto extend = [](QRect& box, int x, int y) { box |= QRect(x, y, 1, 1); };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            switch (picture.pixel(x, y) & 0xFFFFFF) {
            case 0x000000:
                ++c.black;
                break;
            case 0xFF0000:
                ++c.red;
                extend(c.redBox, x, y);
                break;
            case 0x0000FF:
                ++c.blue;
                extend(c.blueBox, x, y);
                break;
            case 0xFFFFFF:
                ++c.white;
                extend(c.redBox, x, y);
                extend(c.blueBox, x, y);
                break;
            default:
                ++c.other;
            }
        }
    }
    return c;
}

inline std::vector<AssetFile> filesOfRole(Role role) {
    std::vector<AssetFile> files;
    for (const AssetFile& f : kAssetFiles)
        if (f.role == role)
            files.push_back(f);
    return files;
}

} // namespace trelon::assets::testing
