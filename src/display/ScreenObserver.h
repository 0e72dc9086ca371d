#pragma once
// Whoever shows the primary surface on the real screen (the presenter) learns here what
// changed, so it repaints only that.
#include <QRect>

namespace trelon {

class ScreenObserver {
public:
    virtual ~ScreenObserver() = default;
    // The palette the screen is shown through was written or replaced: every pixel may have
    // a new colour.
    virtual void paletteChanged() = 0;
    // Pixels of the primary surface inside box (surface coordinates) were changed, or the
    // primary surface was created.
    virtual void primaryChanged(const QRect& box) = 0;
};

} // namespace trelon
