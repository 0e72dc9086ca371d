#pragma once
// The emulated full-screen 8-bit display: it makes palettes and surfaces, knows the screen
// size and tells the presenter what changed on the screen.
//
// Every creation step can be made to fail from tests through DisplayFailures, given to
// create() or changed later with setForcedFailures().
#include "display/DisplayFailures.h"
#include "display/DisplayResult.h"
#include "display/Palette.h"
#include "display/ScreenObserver.h"
#include "display/Surface.h"

#include <QSize>
#include <memory>

namespace trelon {

struct ScreenLink;

class DisplayDevice {
public:
    // Creates the device for a screen of screenSize pixels. out is cleared on failure.
    static DisplayResult create(QSize screenSize, const DisplayFailures& forced,
                                std::shared_ptr<DisplayDevice>& out);
    ~DisplayDevice();
    DisplayDevice(const DisplayDevice&) = delete;
    DisplayDevice& operator=(const DisplayDevice&) = delete;

    // Exclusive full-screen use of the display.
    DisplayResult setCooperativeLevel();
    // Screen mode; only 8 bits per pixel is offered. The primary surface takes this size.
    DisplayResult setDisplayMode(int width, int height, int bitsPerPixel);
    QSize screenSize() const { return screenSize_; }

    // A palette holding table. out is cleared on failure.
    DisplayResult createPalette(const PaletteTable& table, std::shared_ptr<Palette>& out);
    // The screen itself; only one primary surface can exist at a time (PrimaryExists).
    DisplayResult createPrimarySurface(std::shared_ptr<Surface>& out);
    // An off-screen surface of any positive size, all pixels entry 0.
    DisplayResult createOffscreenSurface(int width, int height, std::shared_ptr<Surface>& out);

    // Test hooks: the steps that fail on purpose from now on.
    void setForcedFailures(const DisplayFailures& forced);
    const DisplayFailures& forcedFailures() const;

    // The presenter registers to hear of palette writes and primary changes. Observers are
    // forgotten when the device is destroyed.
    void addScreenObserver(ScreenObserver* observer);
    void removeScreenObserver(ScreenObserver* observer);

    // The palette the screen is shown through now (see Surface::effectivePalette).
    const Palette& screenPalette() const;

private:
    DisplayDevice(QSize screenSize, const DisplayFailures& forced);

    QSize screenSize_;
    bool exclusive_ = false;
    std::shared_ptr<ScreenLink> link_;
};

} // namespace trelon
