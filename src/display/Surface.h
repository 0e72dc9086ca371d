#pragma once
// A rectangle of 8-bit palette indices: the primary surface (the screen) or an off-screen
// plain surface. Surfaces are made by DisplayDevice.
//
// Rows are pitch bytes apart; the pitch may exceed the width, so pixel loops must step by
// the pitch. A locked surface, or one whose canvas is out, refuses blits, canvases and a
// second lock with SurfaceBusy, as the real device does. Every change to the primary
// (unlock, blits onto it, canvas drawing) is reported to the screen observers.
#include "display/DisplayResult.h"
#include "display/Palette.h"

#include <QRect>
#include <QSize>
#include <cstdint>
#include <memory>
#include <vector>

namespace trelon {

class Canvas;
struct ScreenLink;

// Direct access to the pixels of a locked surface.
struct SurfaceLock {
    std::uint8_t* bits = nullptr; // first pixel of the top row
    int pitch = 0;                // bytes from one row to the next
};

// What a surface says about itself.
struct SurfaceDescription {
    int width = 0;
    int height = 0;
};

class Surface : public std::enable_shared_from_this<Surface> {
public:
    // Made by DisplayDevice::createPrimarySurface / createOffscreenSurface.
    Surface(int width, int height, bool primary, std::shared_ptr<ScreenLink> link);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return pitch_; }
    QRect rect() const { return QRect(0, 0, width_, height_); }
    bool isPrimary() const { return primary_; }
    SurfaceDescription describe() const { return {width_, height_}; }

    // Locks the whole surface for direct pixel access.
    DisplayResult lock(SurfaceLock& out);
    // Unlocks; on the primary the whole surface counts as changed.
    DisplayResult unlock();
    // Unlocks; on the primary only dirty (clipped to the surface) counts as changed.
    DisplayResult unlock(const QRect& dirty);
    bool isLocked() const { return locked_; }

    // Convenience for the frequent lock, fill every pixel, unlock.
    DisplayResult fill(std::uint8_t index);

    // Attaches a palette (null detaches). Attaching to the primary makes it the palette the
    // screen is shown through.
    DisplayResult attachPalette(std::shared_ptr<Palette> palette);
    const std::shared_ptr<Palette>& attachedPalette() const { return palette_; }
    // The palette the pixels are seen through and colour words are matched against: the
    // attached one, else the screen's (the one last attached to the primary), else the
    // device's fixed system palette.
    const Palette& effectivePalette() const;

    // Opaque copy of sourceRect of source (a null rect means all of it) with its top-left at
    // (x, y). Parts falling outside either surface are clipped away. Source may be this
    // surface; overlapping areas are copied as if through a temporary.
    DisplayResult bltFast(int x, int y, Surface& source, const QRect& sourceRect = QRect());
    // Stretching copy (nearest neighbour) of sourceRect of source onto destRect of this
    // surface; a null rect means the whole surface. Destination pixels outside this surface
    // or whose source pixel lies outside the source are left alone. Negative sizes are
    // InvalidRect.
    DisplayResult blt(const QRect& destRect, Surface& source, const QRect& sourceRect = QRect());

    // Brings back lost surface memory. Memory is never lost here, so it only succeeds.
    DisplayResult restore();

    // The device context of the surface; out is cleared on failure. The surface counts as
    // busy until the canvas is destroyed.
    DisplayResult getCanvas(std::unique_ptr<Canvas>& out);

    // Read access for the presenter and tests, without the lock protocol.
    const std::uint8_t* constBits() const { return pixels_.data(); }
    std::uint8_t pixel(int x, int y) const { return pixels_[y * pitch_ + x]; }

private:
    friend class Canvas;
    std::uint8_t* bits() { return pixels_.data(); }
    // Reports changed pixels of the primary to the screen observers.
    void reportChanged(const QRect& box) const;
    bool busy() const { return locked_ || canvasOut_; }
    DisplayResult checkBlit(const Surface& source) const;

    int width_;
    int height_;
    int pitch_;
    bool primary_;
    bool locked_ = false;
    bool canvasOut_ = false;
    std::vector<std::uint8_t> pixels_;
    std::shared_ptr<Palette> palette_;
    std::shared_ptr<ScreenLink> link_;
};

} // namespace trelon
