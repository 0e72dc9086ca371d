// Pictures and palettes in memory: any bytes as the palette's bitmap and as a picture read the
// way a picture file is read.
#include "BitmapChecks.h"

#include <QBuffer>
#include <QImageReader>

using namespace trelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = fuzz::inputBytes(data, size);
    const PaletteTable table = fuzz::checkedPaletteTable(bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // Picture files are named *.bmp; the reader tries that format first, then the contents.
    QImageReader reader(&buffer, "bmp");
    fuzz::checkPicture(ReadPictureImage(reader), table);
    return 0;
}
