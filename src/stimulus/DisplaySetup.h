#pragma once
// Taking the display at start-up, reloading the base palette when the program is activated
// again, and releasing every display object at the end.
#include "display/DisplayFailures.h"
#include "display/DisplayObjects.h"
#include "state/RoleColours.h"

#include <QSize>
#include <QString>

namespace trelon {

// The base palette's bitmap in the program folder.
inline constexpr char kBasePaletteName[] = "lake.bmp";

struct DisplayStartResult {
    bool ok = false;
    // On failure, the text to show in an information box before the program stops; empty
    // when the program stops without a message.
    QString message;
};

// Releases any device and palette, creates the device for a screen of screenSize, takes the
// screen exclusively, sets the 8-bit mode, loads the base palette from lake.bmp and writes
// the working colours into it. On failure the device is released and the result says what
// to show: "Ошибка в работе DirectX 1" (no device), "Ошибка в работе DirectX 2" (no
// exclusive use), nothing (no mode, no palette).
DisplayStartResult StartDisplay(DisplayObjects& display, const RoleColours& roles, int paletteShift,
                                const QString& programDir, QSize screenSize,
                                const DisplayFailures& forced = {});

// On re-activation: the palette from lake.bmp again, attached to the primary surface when
// there is one. False when no palette could be made (the program then stops); the old
// palette is released either way.
bool ReloadBasePalette(DisplayObjects& display, const QString& programDir);

// Releases all six objects in the order palette, scene, primary, device, aux, picture.
void ReleaseDisplayObjects(DisplayObjects& display);

} // namespace trelon
