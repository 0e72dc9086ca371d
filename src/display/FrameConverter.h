#pragma once
// Keeps a 32-bit RGB picture of the primary surface as seen through its palette, for the
// presenter to paint. Changes are collected (invalidate) and converted on demand (update):
// a dirty box reconverts only that box; a palette write, a new palette table or a new
// surface size reconverts everything.
#include "display/Palette.h"

#include <QImage>
#include <QRegion>
#include <array>
#include <cstdint>

namespace trelon {

class Surface;

class FrameConverter {
public:
    // Everything must be reconverted (palette written, new primary).
    void invalidateAll() { all_ = true; }
    // Pixels inside box (surface coordinates) changed.
    void invalidate(const QRect& box) { dirty_ += box; }
    bool hasPendingChanges() const { return all_ || !dirty_.isEmpty(); }

    // Brings the frame up to date with primary shown through palette; returns the region
    // that was reconverted (surface coordinates).
    QRegion update(const Surface& primary, const PaletteTable& palette);

    // The converted picture, Format_RGB32, the size of the primary (null before the first
    // update).
    const QImage& frame() const { return frame_; }

private:
    void convertRect(const Surface& primary, const QRect& box);

    QImage frame_;
    std::array<std::uint32_t, kPaletteSize> lookup_{};
    PaletteTable lookupSource_{};
    bool lookupValid_ = false;
    bool all_ = true;
    QRegion dirty_;
};

} // namespace trelon
