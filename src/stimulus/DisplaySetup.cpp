#include "stimulus/DisplaySetup.h"

#include "display/DisplayDevice.h"
#include "stimulus/PaletteRoutines.h"

namespace trelon {

DisplayStartResult StartDisplay(DisplayObjects& display, const RoleColours& roles, int paletteShift,
                                const QString& programDir, QSize screenSize,
                                const DisplayFailures& forced) {
    display.DisplayPalette.reset();
    display.DisplayDevice.reset();

    auto fail = [&display](QString message) {
        display.DisplayPalette.reset();
        display.DisplayDevice.reset();
        return DisplayStartResult{false, std::move(message)};
    };

    if (!succeeded(DisplayDevice::create(screenSize, forced, display.DisplayDevice))) {
        return fail(QStringLiteral("Ошибка в работе DirectX 1"));
    }
    DisplayDevice& device = *display.DisplayDevice;
    if (!succeeded(device.setCooperativeLevel())) {
        return fail(QStringLiteral("Ошибка в работе DirectX 2"));
    }
    if (!succeeded(device.setDisplayMode(screenSize.width(), screenSize.height(), 8))) {
        return fail(QString());
    }
    display.DisplayPalette =
        DDLoadPalette(device, programDir, QString::fromLatin1(kBasePaletteName));
    if (!display.DisplayPalette) {
        return fail(QString());
    }
    ApplyWorkingPalette(*display.DisplayPalette, roles, paletteShift);
    return {true, QString()};
}

bool ReloadBasePalette(DisplayObjects& display, const QString& programDir) {
    display.DisplayPalette.reset();
    if (!display.DisplayDevice) {
        return false;
    }
    display.DisplayPalette =
        DDLoadPalette(*display.DisplayDevice, programDir, QString::fromLatin1(kBasePaletteName));
    if (!display.DisplayPalette) {
        return false;
    }
    if (display.PrimarySurface) {
        display.PrimarySurface->attachPalette(display.DisplayPalette);
    }
    return true;
}

void ReleaseDisplayObjects(DisplayObjects& display) {
    display.DisplayPalette.reset();
    display.SceneSurface.reset();
    display.PrimarySurface.reset();
    display.DisplayDevice.reset();
    display.AuxSurface.reset();
    display.PictureSurface.reset();
}

} // namespace trelon
