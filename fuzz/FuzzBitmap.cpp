// Pictures and palettes: loading any bytes as a picture file and as the palette's bitmap.
#include "FuzzCheck.h"
#include "display/DisplayDevice.h"
#include "display/Palette.h"
#include "display/Surface.h"
#include "stimulus/PaletteRoutines.h"

using namespace trelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::inputBytes(data, size);
    // The colour table is read from the bytes present only, however the headers lie.
    const PaletteTable fromFile = paletteTableFromBitmap(bytes, false);
    const PaletteTable fromResource = paletteTableFromBitmap(bytes, true);
    FUZZ_CHECK(fromFile.size() == fromResource.size());

    const QString dir = fuzz::scratchFolder();
    FUZZ_CHECK(fuzz::writeFile(dir + QStringLiteral("picture.bmp"), bytes));
    const QImage image = LoadPictureImage(dir, QStringLiteral("picture.bmp"));
    if (image.isNull()) {
        return 0;
    }
    FUZZ_CHECK(image.width() <= kMaxPictureSide && image.height() <= kMaxPictureSide);
    // A picture that loads is copied onto a surface of its size.
    static const std::shared_ptr<DisplayDevice> device = [] {
        std::shared_ptr<DisplayDevice> made;
        DisplayDevice::create(QSize(640, 480), DisplayFailures{}, made);
        return made;
    }();
    std::shared_ptr<Palette> palette;
    std::shared_ptr<Surface> surface;
    FUZZ_CHECK(device && succeeded(device->createPalette(fromFile, palette)));
    if (image.width() * qint64(image.height()) <= 1 << 20 &&
        succeeded(device->createOffscreenSurface(image.width(), image.height(), surface))) {
        surface->attachPalette(palette);
        FUZZ_CHECK(succeeded(DDCopyBitmap(*surface, image, 0, 0, 0, 0)));
    }
    return 0;
}
