#pragma once
// Properties of pictures and palettes, shared by the file and in-memory harnesses.
#include "FuzzCheck.h"
#include "display/DisplayDevice.h"
#include "display/Palette.h"
#include "display/Surface.h"
#include "stimulus/PaletteRoutines.h"

namespace trelon::fuzz {

// The colour table is read from the bytes present only, however the headers lie.
inline PaletteTable checkedPaletteTable(const QByteArray& bytes) {
    const PaletteTable fromFile = paletteTableFromBitmap(bytes, false);
    const PaletteTable fromResource = paletteTableFromBitmap(bytes, true);
    FUZZ_CHECK(fromFile.size() == fromResource.size());
    return fromFile;
}

// A picture that loads is within the side limit and is copied onto a surface of its size.
inline void checkPicture(const QImage& image, const PaletteTable& table) {
    if (image.isNull()) {
        return;
    }
    FUZZ_CHECK(image.width() <= kMaxPictureSide && image.height() <= kMaxPictureSide);
    static const std::shared_ptr<DisplayDevice> device = [] {
        std::shared_ptr<DisplayDevice> made;
        DisplayDevice::create(QSize(640, 480), DisplayFailures{}, made);
        return made;
    }();
    std::shared_ptr<Palette> palette;
    std::shared_ptr<Surface> surface;
    FUZZ_CHECK(device && succeeded(device->createPalette(table, palette)));
    if (image.width() * qint64(image.height()) <= 1 << 20 &&
        succeeded(device->createOffscreenSurface(image.width(), image.height(), surface))) {
        surface->attachPalette(palette);
        FUZZ_CHECK(succeeded(DDCopyBitmap(*surface, image, 0, 0, 0, 0)));
    }
}

} // namespace trelon::fuzz
