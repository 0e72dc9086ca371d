#pragma once
// Small helpers shared by the display tests.
#include "display/DisplayDevice.h"
#include "display/Palette.h"
#include "display/ScreenObserver.h"
#include "display/Surface.h"

#include <QRect>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace trelon::test {

inline std::shared_ptr<DisplayDevice> makeDevice(QSize screen = QSize(64, 48),
                                                 const DisplayFailures& forced = {}) {
    std::shared_ptr<DisplayDevice> device;
    EXPECT_EQ(DisplayDevice::create(screen, forced, device), DisplayResult::Ok);
    return device;
}

inline std::shared_ptr<Surface> makeSurface(DisplayDevice& device, int width, int height) {
    std::shared_ptr<Surface> surface;
    EXPECT_EQ(device.createOffscreenSurface(width, height, surface), DisplayResult::Ok);
    return surface;
}

inline std::shared_ptr<Palette> makePalette(DisplayDevice& device, const PaletteTable& table) {
    std::shared_ptr<Palette> palette;
    EXPECT_EQ(device.createPalette(table, palette), DisplayResult::Ok);
    return palette;
}

// A palette of distinct greys (entry i is i, i, i) with the picture colours at 249, 252, 255
// and the given extra colours at the given entries.
inline PaletteTable greyTable() {
    PaletteTable table{};
    for (int i = 0; i < kPaletteSize; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        table[i] = {v, v, v, 0};
    }
    table[249] = {255, 0, 0, 0};
    table[252] = {0, 0, 255, 0};
    return table;
}

// Every palette entry found on the surface.
inline QSet<int> entriesOn(const Surface& surface) {
    QSet<int> found;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            found.insert(surface.pixel(x, y));
        }
    }
    return found;
}

// The bounding box of the pixels holding entry on the surface (null when none).
inline QRect boxOf(const Surface& surface, int entry) {
    QRect box;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (surface.pixel(x, y) == entry) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Records what the screen was told.
struct RecordingObserver : ScreenObserver {
    int paletteWrites = 0;
    std::vector<QRect> boxes;
    void paletteChanged() override { ++paletteWrites; }
    void primaryChanged(const QRect& box) override { boxes.push_back(box); }
};

} // namespace trelon::test
