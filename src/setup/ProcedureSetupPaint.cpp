// What the set-up screen draws on the display: the grey screen, the three contrast swatches
// in preview palette entries, and the picture of the chosen object; and the release of its
// surfaces.
#include "display/DisplayDevice.h"
#include "platform/Dialogs.h"
#include "setup/ProcedureSetup.h"
#include "setup/ProcedureSetupRows.h"
#include "state/SharedState.h"
#include "stimulus/DisplaySetup.h"
#include "stimulus/PaletteRoutines.h"
#include "stimulus/PictureFiles.h"

#include <algorithm>

namespace trelon {

namespace {

using C = SetupControl;

constexpr int kSwatchWidth = 160;
constexpr int kSwatchHeight = 40;
constexpr int kSwatchColumn = 40;
constexpr int kSwatchPitch = 50;
constexpr int kRedBlueSwatchBase = 31;
constexpr int kRedGreenSwatchBase = 51;
constexpr int kPreviewColumnWidth = 44;
constexpr int kPreviewColumnHeight = 450;

// The preview file of item index of an object group; empty for other groups or indices.
QString previewFile(SetupControl group, int index) {
    auto from = [index](const auto& names) {
        return index >= 0 && index < static_cast<int>(names.size())
                   ? QString::fromLatin1(names[static_cast<std::size_t>(index)])
                   : QString();
    };
    switch (group) {
    case C::RadioGroupTrenObj:
        return from(kTrainingObjectPreviews);
    case C::RadioGroupTrenFuzObj:
        return from(kFusionObjectPreviews);
    case C::RadioGroupTestObj:
        return from(kTestObjectPreviews);
    default:
        return QString();
    }
}

void attach(Surface& surface, const std::shared_ptr<Palette>& palette) {
    if (palette) {
        surface.attachPalette(palette);
    }
}

} // namespace

void ProcedureSetup::showDisplayError(const QString& operation, DisplayResult code) {
    dialogs_->error(caption_, operation + QStringLiteral(": \n") + describeResult(code));
}

bool ProcedureSetup::reportAndStayOpen(const QString& operation, DisplayResult code) {
    showDisplayError(operation, code);
    // Losing the focus while the box was open closes the screen and releases its surfaces.
    return !closed_ && state_.display.PrimarySurface;
}

bool ProcedureSetup::ensurePrimary() {
    DisplayObjects& display = state_.display;
    if (display.PrimarySurface) {
        return true;
    }
    return display.DisplayDevice &&
           succeeded(display.DisplayDevice->createPrimarySurface(display.PrimarySurface));
}

void ProcedureSetup::drawScreen() {
    if (previewDrawn_) {
        return;
    }
    DisplayObjects& display = state_.display;
    // 1. The screen; without it nothing can be drawn.
    if (!ensurePrimary()) {
        return;
    }
    // 2. A fresh palette with the swatch colours of every level.
    DisplayResult result = DisplayResult::Ok;
    display.DisplayPalette = DDLoadPalette(*display.DisplayDevice, state_.paths.ProgramDir,
                                           QString::fromLatin1(kBasePaletteName), &result);
    if (display.DisplayPalette) {
        ApplyPreviewPalette(*display.DisplayPalette, state_.settings, state_.PaletteShift);
        display.PrimarySurface->attachPalette(display.DisplayPalette);
    } else if (!reportAndStayOpen(QStringLiteral("DDLoadPalette"), result)) {
        return;
    }
    // 3. The panel grey everywhere.
    display.PrimarySurface->fill(static_cast<std::uint8_t>(state_.indices.IndexPanel));
    // 4. The swatch surface.
    display.SceneSurface.reset();
    result = display.DisplayDevice->createOffscreenSurface(kSwatchWidth, kSwatchHeight,
                                                           display.SceneSurface);
    if (display.SceneSurface) {
        attach(*display.SceneSurface, display.DisplayPalette);
    } else if (!reportAndStayOpen(QStringLiteral("Create Image Surface"), result)) {
        return;
    }
    // 5. The working colours.
    if (display.DisplayPalette) {
        ApplyWorkingPalette(*display.DisplayPalette, state_.roles, state_.PaletteShift);
    }
    // 6. The swatches.
    drawSwatches();
    // 7.
    previewDrawn_ = true;
    // 8. The picture of the chosen object.
    if (const std::optional<SetupControl> group = setupRowOf(procedure()).preview) {
        PreviewPicture(*group);
    }
}

void ProcedureSetup::drawSwatches() {
    DisplayObjects& display = state_.display;
    if (!display.SceneSurface || !display.PrimarySurface) {
        return;
    }
    Surface& scene = *display.SceneSurface;
    const int base =
        state_.settings.GlassesType == GlassesRedGreen ? kRedGreenSwatchBase : kRedBlueSwatchBase;
    for (int level = 0; level < 3; ++level) {
        const int n = base + 4 * level;
        // Columns: the other filter's colour, red, both eyes, background.
        const int columns[4] = {n, n + 1, n + 3, n + 2};
        SurfaceLock lock;
        if (!succeeded(scene.lock(lock))) {
            return;
        }
        for (int y = 0; y < scene.height(); ++y) {
            std::uint8_t* row = lock.bits + y * lock.pitch;
            for (int x = 0; x < scene.width(); ++x) {
                row[x] = static_cast<std::uint8_t>(columns[std::min(x / kSwatchColumn, 3)]);
            }
        }
        scene.unlock();
        display.PrimarySurface->bltFast(swatchX(), swatchY() + kSwatchPitch * level, scene);
    }
}

void ProcedureSetup::PreviewPicture(SetupControl group) {
    DisplayObjects& display = state_.display;
    if (!display.DisplayDevice) {
        return;
    }
    if (!display.PrimarySurface) {
        if (closed_ || !ensurePrimary()) {
            return;
        }
        if (display.DisplayPalette) {
            display.PrimarySurface->attachPalette(display.DisplayPalette);
        } else if (!reportAndStayOpen(QStringLiteral("DDLoadPalette"),
                                      DisplayResult::NoPaletteAttached)) {
            return;
        }
    }
    DisplayDevice& device = *display.DisplayDevice;
    const SetupControlState& objects = control(group);
    const int count = static_cast<int>(objects.items.size());
    if (count == 0) {
        return;
    }
    const int x = rightEdge(objects.rect) + 2;
    const int y = objects.rect.y() + 20 + (objects.rect.height() / count - 1) * objects.itemIndex;

    // Clear the column beside the group.
    display.PictureSurface.reset();
    DisplayResult result = device.createOffscreenSurface(kPreviewColumnWidth, kPreviewColumnHeight,
                                                         display.PictureSurface);
    if (display.PictureSurface) {
        attach(*display.PictureSurface, display.DisplayPalette);
        display.PictureSurface->fill(static_cast<std::uint8_t>(state_.indices.IndexPanel));
        display.PrimarySurface->bltFast(x, objects.rect.y(), *display.PictureSurface);
    } else if (!reportAndStayOpen(QStringLiteral("Create Image Surface"), result)) {
        return;
    }

    // The picture, on a surface of its own size. A picture that does not load leaves
    // nothing to size the surface by, which fails as an invalid surface request.
    const QImage picture =
        LoadPictureImage(state_.paths.ProgramDir, previewFile(group, objects.itemIndex));
    display.SceneSurface.reset();
    result = picture.isNull() ? DisplayResult::InvalidParams
                              : device.createOffscreenSurface(picture.width(), picture.height(),
                                                              display.SceneSurface);
    if (!display.SceneSurface) {
        showDisplayError(QStringLiteral("Create Image Surface"), result);
        return;
    }
    Surface& scene = *display.SceneSurface;
    attach(scene, display.DisplayPalette);
    result = DDCopyBitmap(scene, picture, 0, 0, 0, 0);
    if (!succeeded(result)) {
        showDisplayError(QStringLiteral("DDCopyBitmap"), result);
        return;
    }
    display.PrimarySurface->bltFast(x, y, scene);
}

void ProcedureSetup::close() {
    closed_ = true;
    flickerPreviewRunning_ = false;
    state_.display.SceneSurface.reset();
    state_.display.PrimarySurface.reset();
}

void ProcedureSetup::focusLost() {
    close();
    state_.SessionAborted = true;
}

void ProcedureSetup::releaseForOtherScreen() {
    flickerPreviewRunning_ = false;
    state_.display.SceneSurface.reset();
    state_.display.PrimarySurface.reset();
    state_.display.DisplayPalette.reset();
}

} // namespace trelon
