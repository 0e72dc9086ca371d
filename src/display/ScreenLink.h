#pragma once
// Internal to the display: what a device shares with the palettes and surfaces it made.
#include "display/DisplayFailures.h"
#include "display/Palette.h"
#include "display/ScreenObserver.h"

#include <QRect>
#include <vector>

namespace trelon {

class Surface;

// Shared by a device and everything it made: the screen's observers, the live primary
// surface, the palette the screen shows and the forced failures. Internal to the display.
struct ScreenLink {
    std::vector<ScreenObserver*> observers;
    const Surface* primary = nullptr;      // the live primary surface, if any
    const Palette* shownPalette = nullptr; // the palette last attached to a primary
    DisplayFailures failures;
    Palette systemPalette{systemPaletteTable(), nullptr};

    void notifyPaletteChanged() const;
    void notifyPrimaryChanged(const QRect& box) const;
};

} // namespace trelon
