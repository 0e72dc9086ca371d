#include "stimulus/PaletteRoutines.h"

#include "common/FileSystem.h"
#include "display/Canvas.h"
#include "display/DisplayDevice.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace trelon {

namespace {

constexpr int kPanelEntry = 30;
constexpr int kFirstRoleEntry = 21; // blue, red, fon, all follow in this order
constexpr int kPreviewRedBlueBase = 31;
constexpr int kPreviewRedGreenBase = 51;
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void writeEntry(PaletteTable& table, int entry, ColourWord colour, bool zeroToOne) {
    if (entry < 0 || entry >= kPaletteSize) {
        return;
    }
    auto component = [zeroToOne](int value) {
        return static_cast<std::uint8_t>(zeroToOne && value == 0 ? 1 : value);
    };
    table[entry].red = component(redOf(colour));
    table[entry].green = component(greenOf(colour));
    table[entry].blue = component(blueOf(colour));
}

ColourWord calibratedColour(const Settings& settings, int glasses, int level,
                            CalibrationTarget target) {
    const CalibrationColours& c = settings.colours;
    return static_cast<ColourWord>(c.at(glasses, level, target, ChannelRed)) +
           256u * static_cast<ColourWord>(c.at(glasses, level, target, ChannelGreen)) +
           65536u * static_cast<ColourWord>(c.at(glasses, level, target, ChannelBlue));
}

// Where the named picture is: the Qt resource first, else the file (letter case ignored).
QString picturePath(const QString& programDir, const QString& name) {
    const QString resource = QStringLiteral(":/") + name;
    if (QFile::exists(resource)) {
        return resource;
    }
    return resolvePath(programDir, name);
}

quint32 readLe32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
quint16 readLe16(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

void SelectRoleColours(RoleColours& roles, const Settings& settings, int level, int glasses) {
    if (level < 1 || level > kLevelCount) {
        return;
    }
    const int kind = glasses == GlassesRedGreen ? GlassesRedGreen : GlassesRedBlue;
    roles.ColorBlue = calibratedColour(settings, kind, level, TargetOther);
    roles.ColorRed = calibratedColour(settings, kind, level, TargetRed);
    roles.ColorFon = calibratedColour(settings, kind, level, TargetFon);
    roles.ColorAll = calibratedColour(settings, kind, level, TargetAll);
}

void ApplyWorkingPalette(Palette& palette, const RoleColours& roles, int paletteShift) {
    PaletteTable table;
    palette.getEntries(table);
    writeEntry(table, kPanelEntry - paletteShift, colourWord(212, 208, 200), false);
    const ColourWord inOrder[4] = {roles.ColorBlue, roles.ColorRed, roles.ColorFon, roles.ColorAll};
    for (int i = 0; i < 4; ++i) {
        writeEntry(table, kFirstRoleEntry + i - paletteShift, inOrder[i], true);
    }
    palette.setEntries(table);
}

void SetRoleColour(Palette& palette, const RoleColours& roles, int paletteShift,
                   ColourWord colour) {
    const PaletteIndices fixed;
    int target = 0;
    if (roles.ColorAll == colour) {
        target = fixed.IndexAll;
    } else if (roles.ColorFon == colour) {
        target = fixed.IndexFon;
    } else if (roles.ColorBlue == colour) {
        target = fixed.IndexBlue;
    } else if (roles.ColorRed == colour) {
        target = fixed.IndexRed;
    }
    PaletteTable table;
    palette.getEntries(table);
    writeEntry(table, target - paletteShift, colour, true);
    palette.setEntries(table);
}

void ApplyPreviewPalette(Palette& palette, const Settings& settings, int paletteShift) {
    PaletteTable table;
    palette.getEntries(table);
    const CalibrationTarget inOrder[4] = {TargetOther, TargetRed, TargetFon, TargetAll};
    for (int glasses : {int(GlassesRedBlue), int(GlassesRedGreen)}) {
        const int base = glasses == GlassesRedGreen ? kPreviewRedGreenBase : kPreviewRedBlueBase;
        for (int level = 1; level <= kLevelCount; ++level) {
            for (int role = 0; role < 4; ++role) {
                const int entry = base + (level - 1) * 4 + role - paletteShift;
                writeEntry(table, entry, calibratedColour(settings, glasses, level, inOrder[role]),
                           false);
            }
        }
    }
    palette.setEntries(table);
}

PaletteTable paletteTableFromBitmap(const QByteArray& bytes, bool fromResource) {
    PaletteTable table = defaultPaletteTable();
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) {
        return table;
    }
    const quint32 headerSize = readLe32(bytes, kFileHeaderSize);
    const quint16 bitCount = readLe16(bytes, kFileHeaderSize + 14);
    const quint32 usedColours = readLe32(bytes, kFileHeaderSize + 32);
    const bool headerUsable =
        fromResource ? headerSize >= kInfoHeaderSize : headerSize == kInfoHeaderSize;
    if (!headerUsable || bitCount > 8) {
        return table;
    }
    // The colour table follows the info header. Never read past the bytes present.
    const qint64 tableOffset = kFileHeaderSize + static_cast<qint64>(headerSize);
    const qint64 available = bytes.size() > tableOffset ? (bytes.size() - tableOffset) / 4 : 0;
    qint64 count = usedColours != 0 ? usedColours : (qint64(1) << bitCount);
    count = std::min<qint64>({count, kPaletteSize, available});
    for (qint64 i = 0; i < count; ++i) {
        const char* quad = bytes.constData() + tableOffset + 4 * i;
        // Bitmap quads are blue, green, red, reserved.
        table[i].red = static_cast<std::uint8_t>(quad[2]);
        table[i].green = static_cast<std::uint8_t>(quad[1]);
        table[i].blue = static_cast<std::uint8_t>(quad[0]);
    }
    return table;
}

std::shared_ptr<Palette> DDLoadPalette(DisplayDevice& device, const QString& programDir,
                                       const QString& name, DisplayResult* result) {
    PaletteTable table = defaultPaletteTable();
    const QString resource = QStringLiteral(":/") + name;
    if (QFile::exists(resource)) {
        QFile file(resource);
        if (file.open(QIODevice::ReadOnly)) {
            table = paletteTableFromBitmap(file.readAll(), true);
        }
    } else {
        QFile file(resolvePath(programDir, name));
        if (file.open(QIODevice::ReadOnly)) {
            // File header, info header and a full 256-entry colour table at most.
            table = paletteTableFromBitmap(
                file.read(kFileHeaderSize + kInfoHeaderSize + 4 * kPaletteSize), false);
        }
    }
    std::shared_ptr<Palette> palette;
    const DisplayResult code = device.createPalette(table, palette);
    if (result) {
        *result = code;
    }
    return palette;
}

QImage LoadPictureImage(const QString& programDir, const QString& name) {
    QImageReader reader(picturePath(programDir, name));
    return ReadPictureImage(reader);
}

QImage ReadPictureImage(QImageReader& reader) {
    // The size comes from the header alone; a picture declaring more than the largest sound
    // size is refused before any pixel memory is taken for it.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide) {
        return {};
    }
    QImage image = reader.read();
    // The header is not the last word: a GIF inside a *.bmp reports its first frame's size and
    // reads as its whole canvas.
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide) {
        return {};
    }
    return image;
}

std::shared_ptr<Surface> LoadPictureSurface(DisplayDevice& device, const QString& programDir,
                                            const QString& name, DisplayResult* result) {
    auto report = [result](DisplayResult code) {
        if (result) {
            *result = code;
        }
    };
    const QImage image = LoadPictureImage(programDir, name);
    if (image.isNull()) {
        report(DisplayResult::InvalidParams);
        return nullptr;
    }
    std::shared_ptr<Surface> surface;
    DisplayResult code = device.createOffscreenSurface(image.width(), image.height(), surface);
    if (!succeeded(code)) {
        report(code);
        return nullptr;
    }
    code = DDCopyBitmap(*surface, image, 0, 0, 0, 0);
    report(code);
    if (!succeeded(code)) {
        return nullptr;
    }
    return surface;
}

DisplayResult DDCopyBitmap(Surface& surface, const QImage& image, int x, int y, int width,
                           int height) {
    if (image.isNull()) {
        return DisplayResult::InvalidParams;
    }
    surface.restore();
    const int w = width == 0 ? image.width() : width;
    const int h = height == 0 ? image.height() : height;
    std::unique_ptr<Canvas> canvas;
    const DisplayResult code = surface.getCanvas(canvas);
    if (succeeded(code)) {
        canvas->stretchBitmap(surface.rect(), image, QRect(x, y, w, h));
    }
    return code;
}

} // namespace trelon
