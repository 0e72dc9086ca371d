#include "display/FrameConverter.h"

#include "display/Surface.h"

namespace trelon {

QRegion FrameConverter::update(const Surface& primary, const PaletteTable& palette) {
    if (frame_.size() != QSize(primary.width(), primary.height())) {
        frame_ = QImage(primary.width(), primary.height(), QImage::Format_RGB32);
        all_ = true;
    }
    if (!lookupValid_ || lookupSource_ != palette) {
        for (int i = 0; i < kPaletteSize; ++i) {
            lookup_[i] = qRgb(palette[i].red, palette[i].green, palette[i].blue);
        }
        lookupSource_ = palette;
        lookupValid_ = true;
        all_ = true; // any entry may have changed colour
    }

    QRegion converted;
    if (all_) {
        convertRect(primary, primary.rect());
        converted = primary.rect();
    } else {
        converted = dirty_.intersected(primary.rect());
        for (const QRect& box : converted) {
            convertRect(primary, box);
        }
    }
    all_ = false;
    dirty_ = QRegion();
    return converted;
}

void FrameConverter::convertRect(const Surface& primary, const QRect& box) {
    const QRect area = box.intersected(primary.rect());
    if (area.isEmpty()) {
        return;
    }
    const std::uint32_t* lookup = lookup_.data();
    const int width = area.width();
    const int pitch = primary.pitch();
    const std::uint8_t* source = primary.constBits() + area.top() * pitch + area.left();
    for (int y = area.top(); y <= area.bottom(); ++y, source += pitch) {
        auto* target = reinterpret_cast<std::uint32_t*>(frame_.scanLine(y)) + area.left();
        int x = 0;
        for (; x + 4 <= width; x += 4) {
            target[x] = lookup[source[x]];
            target[x + 1] = lookup[source[x + 1]];
            target[x + 2] = lookup[source[x + 2]];
            target[x + 3] = lookup[source[x + 3]];
        }
        for (; x < width; ++x) {
            target[x] = lookup[source[x]];
        }
    }
}

} // namespace trelon
