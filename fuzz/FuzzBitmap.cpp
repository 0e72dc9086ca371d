// Pictures and palettes: loading any bytes as a picture file and as the palette's bitmap.
#include "BitmapChecks.h"

using namespace trelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const PaletteTable table = fuzz::checkedPaletteTable(bytes);
    const QString dir = fuzz::scratchFolder();
    FUZZ_CHECK(fuzz::writeFile(dir + QStringLiteral("picture.bmp"), bytes));
    fuzz::checkPicture(LoadPictureImage(dir, QStringLiteral("picture.bmp")), table);
    return 0;
}
