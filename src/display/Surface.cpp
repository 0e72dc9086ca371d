#include "display/Surface.h"

#include "display/Canvas.h"
#include "display/ScreenLink.h"

#include <algorithm>
#include <cstring>

namespace trelon {

namespace {

int roundUpToFour(int value) {
    return (value + 3) & ~3;
}

// The bounding box of the bytes that differ between two rows of equal length, as
// [first, last]; first > last when the rows are equal.
void differingSpan(const std::uint8_t* a, const std::uint8_t* b, int length, int& first,
                   int& last) {
    // Most rows of a whole-screen copy are unchanged; the library compare finds that fast.
    if (std::memcmp(a, b, static_cast<std::size_t>(length)) == 0) {
        first = length;
        last = length - 1;
        return;
    }
    first = 0;
    while (first < length && a[first] == b[first]) {
        ++first;
    }
    last = length - 1;
    while (last >= first && a[last] == b[last]) {
        --last;
    }
}

} // namespace

Surface::Surface(int width, int height, bool primary, std::shared_ptr<ScreenLink> link)
    : width_(width), height_(height), pitch_(roundUpToFour(width)), primary_(primary),
      pixels_(static_cast<std::size_t>(roundUpToFour(width)) * height, 0),
      link_(link ? std::move(link) : std::make_shared<ScreenLink>()) {
    if (primary_) {
        link_->primary = this;
    }
}

Surface::~Surface() {
    if (primary_ && link_->primary == this) {
        link_->primary = nullptr;
    }
}

void Surface::reportChanged(const QRect& box) const {
    if (!primary_) {
        return;
    }
    const QRect clipped = box.intersected(rect());
    if (!clipped.isEmpty()) {
        link_->notifyPrimaryChanged(clipped);
    }
}

DisplayResult Surface::lock(SurfaceLock& out) {
    out = {};
    if (link_->failures.lock) {
        return DisplayResult::SurfaceBusy;
    }
    if (busy()) {
        return DisplayResult::SurfaceBusy;
    }
    locked_ = true;
    out = {pixels_.data(), pitch_};
    return DisplayResult::Ok;
}

DisplayResult Surface::unlock() {
    return unlock(rect());
}

DisplayResult Surface::unlock(const QRect& dirty) {
    if (!locked_) {
        return DisplayResult::NotLocked;
    }
    locked_ = false;
    reportChanged(dirty);
    return DisplayResult::Ok;
}

DisplayResult Surface::fill(std::uint8_t index) {
    SurfaceLock access;
    const DisplayResult result = lock(access);
    if (!succeeded(result)) {
        return result;
    }
    std::fill(pixels_.begin(), pixels_.end(), index);
    return unlock();
}

DisplayResult Surface::attachPalette(std::shared_ptr<Palette> palette) {
    palette_ = std::move(palette);
    if (primary_ && palette_) {
        link_->shownPalette = palette_.get();
        link_->notifyPaletteChanged();
    }
    return DisplayResult::Ok;
}

const Palette& Surface::effectivePalette() const {
    if (palette_) {
        return *palette_;
    }
    if (link_->shownPalette) {
        return *link_->shownPalette;
    }
    return link_->systemPalette;
}

DisplayResult Surface::checkBlit(const Surface& source) const {
    if (link_->failures.blit) {
        return DisplayResult::Generic;
    }
    if (busy() || source.busy()) {
        return DisplayResult::SurfaceBusy;
    }
    return DisplayResult::Ok;
}

DisplayResult Surface::bltFast(int x, int y, Surface& source, const QRect& sourceRect) {
    const DisplayResult check = checkBlit(source);
    if (!succeeded(check)) {
        return check;
    }
    QRect from = sourceRect.isNull() ? source.rect() : sourceRect;
    if (from.width() < 0 || from.height() < 0) {
        return DisplayResult::InvalidRect;
    }
    // Clip to the source, then the destination, moving the other side along.
    QRect clippedFrom = from.intersected(source.rect());
    QRect to(QPoint(x + clippedFrom.left() - from.left(), y + clippedFrom.top() - from.top()),
             clippedFrom.size());
    const QRect clippedTo = to.intersected(rect());
    if (clippedTo.isEmpty()) {
        return DisplayResult::Ok;
    }
    clippedFrom.translate(clippedTo.left() - to.left(), clippedTo.top() - to.top());
    clippedFrom.setSize(clippedTo.size());

    const int rowBytes = clippedTo.width();
    const bool sameSurface = &source == this;
    // Copying down within one surface must start from the bottom row.
    const bool bottomUp = sameSurface && clippedTo.top() > clippedFrom.top();
    int changedTop = height_, changedBottom = -1, changedLeft = width_, changedRight = -1;
    for (int i = 0; i < clippedTo.height(); ++i) {
        const int row = bottomUp ? clippedTo.height() - 1 - i : i;
        const std::uint8_t* src =
            source.pixels_.data() + (clippedFrom.top() + row) * source.pitch_ + clippedFrom.left();
        std::uint8_t* dst = pixels_.data() + (clippedTo.top() + row) * pitch_ + clippedTo.left();
        if (primary_) {
            int first = 0, last = 0;
            differingSpan(src, dst, rowBytes, first, last);
            if (first <= last) {
                changedTop = std::min(changedTop, clippedTo.top() + row);
                changedBottom = std::max(changedBottom, clippedTo.top() + row);
                changedLeft = std::min(changedLeft, clippedTo.left() + first);
                changedRight = std::max(changedRight, clippedTo.left() + last);
            }
        }
        std::memmove(dst, src, static_cast<std::size_t>(rowBytes));
    }
    if (changedBottom >= 0) {
        reportChanged(QRect(QPoint(changedLeft, changedTop), QPoint(changedRight, changedBottom)));
    }
    return DisplayResult::Ok;
}

DisplayResult Surface::blt(const QRect& destRect, Surface& source, const QRect& sourceRect) {
    const DisplayResult check = checkBlit(source);
    if (!succeeded(check)) {
        return check;
    }
    const QRect to = destRect.isNull() ? rect() : destRect;
    const QRect from = sourceRect.isNull() ? source.rect() : sourceRect;
    if (to.width() < 0 || to.height() < 0 || from.width() < 0 || from.height() < 0) {
        return DisplayResult::InvalidRect;
    }
    if (to.isEmpty() || from.isEmpty()) {
        return DisplayResult::Ok;
    }
    const QRect visible = to.intersected(rect());
    if (visible.isEmpty()) {
        return DisplayResult::Ok;
    }
    // Copying within one surface reads from a snapshot so no source pixel is overwritten
    // before it is read.
    std::vector<std::uint8_t> snapshot;
    const std::uint8_t* srcBits = source.pixels_.data();
    if (&source == this) {
        snapshot = pixels_;
        srcBits = snapshot.data();
    }
    // Source column of every visible destination column (-1: outside the source).
    std::vector<int> columns(static_cast<std::size_t>(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x) {
        const long long offset = static_cast<long long>(x - to.left()) * from.width() / to.width();
        const long long sx = from.left() + offset;
        columns[static_cast<std::size_t>(x - visible.left())] =
            sx >= 0 && sx < source.width_ ? static_cast<int>(sx) : -1;
    }
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const long long sy =
            from.top() + static_cast<long long>(y - to.top()) * from.height() / to.height();
        if (sy < 0 || sy >= source.height_) {
            continue;
        }
        const std::uint8_t* src = srcBits + sy * source.pitch_;
        std::uint8_t* dst = pixels_.data() + y * pitch_ + visible.left();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i] >= 0) {
                dst[i] = src[columns[i]];
            }
        }
    }
    reportChanged(visible);
    return DisplayResult::Ok;
}

DisplayResult Surface::restore() {
    return DisplayResult::Ok;
}

DisplayResult Surface::getCanvas(std::unique_ptr<Canvas>& out) {
    out.reset();
    if (link_->failures.getCanvas) {
        return DisplayResult::CantCreateDC;
    }
    if (busy()) {
        return DisplayResult::SurfaceBusy;
    }
    out = std::make_unique<Canvas>(shared_from_this());
    return DisplayResult::Ok;
}

} // namespace trelon
