#include "stimulus/PlaceFigure.h"

#include "display/DisplayDevice.h"
#include "state/SharedState.h"
#include "stimulus/PaletteRoutines.h"
#include "stimulus/SceneConversions.h"

#include <algorithm>
#include <cstdint>

namespace trelon {

namespace {

// Widths of the fusion objects in millimetres by size item: 6, 4, 3 degrees of the cat;
// 3, 2, 1 of the candy; 8, 6, 4 of the butterfly (9 mm per degree at 50 cm).
constexpr double kFusionWidthsMm[3][3] = {{54, 36, 27}, {27, 18, 9}, {72, 54, 36}};
constexpr int kCandyItem = 1;
// The candy picture has a margin around the sweet itself.
constexpr double kCandyFactor = 0.84;

// The bee of the scotoma training flies 30 pixels higher than it is placed.
constexpr int kBeeLift = 30;

int clampItem(int item) {
    return std::clamp(item, 0, 2);
}

std::uint16_t toEdge(int v) {
    return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF));
}

void extend(FigureRect& rect, int x, int y) {
    rect.Left = std::min(rect.Left, toEdge(x));
    rect.Right = std::max(rect.Right, toEdge(x));
    rect.Top = std::min(rect.Top, toEdge(y));
    rect.Bottom = std::max(rect.Bottom, toEdge(y));
}

// The left of a figure sw wide for the horizontal offset code.
int figureLeft(std::int32_t offset, int sw, int sh, int margin, QSize screen) {
    const int w = screen.width();
    const int h = screen.height();
    switch (offset) {
    case kOffsetLeftEdge:
        return margin;
    case kOffsetSquareRight:
        // The centred square's right edge less the figure's scaled height, not its width.
        return w / 2 + h / 2 - sh - margin;
    case kOffsetSquareLeft:
        return w / 2 + margin - h / 2;
    case kOffsetRightEdge:
        return w - sw - margin;
    case 0:
        return w / 2 - sw / 2;
    default:
        return w / 2 + offset - sw / 2;
    }
}

// The top of a figure sh high for the vertical offset code.
int figureTop(std::int32_t offset, int sh, int margin, QSize screen) {
    const int h = screen.height();
    switch (offset) {
    case 0:
        return h / 2 - sh / 2;
    case kOffsetTopEdge:
        return margin;
    case kOffsetBottomEdge:
        return h - sh - margin;
    default:
        return h / 2 + offset - sh / 2;
    }
}

bool isScotomaBee(const SessionParams& session) {
    return session.ProcedureNumber == 1 && session.ObjectNumber == 2 && session.PauseSeconds == 1;
}

} // namespace

FigureRect figureBox(const QRect& r) {
    return {toEdge(r.left()), toEdge(r.left() + r.width()), toEdge(r.top()),
            toEdge(r.top() + r.height())};
}

double fusionFigureScale(int objectItem, int sizeItem, double mmPerPixel, int pictureWidth) {
    const int object = clampItem(objectItem);
    double scale = kFusionWidthsMm[object][clampItem(sizeItem)] / mmPerPixel / pictureWidth;
    if (object == kCandyItem) {
        scale *= kCandyFactor;
    }
    return scale;
}

PlaceResult PlaceFigure(SharedState& state, int mode, ColourWord colour, const QString& name,
                        double mmPerPixel, bool objectWidth) {
    SceneState& scene = state.scene;
    RunState& run = state.run;
    DisplayObjects& display = state.display;
    const PaletteIndices& ix = state.indices;

    const QImage picture = LoadPictureImage(state.paths.ProgramDir, name);
    scene.PictureWidth = toEdge(picture.width());
    scene.PictureHeight = toEdge(picture.height());
    run.RedRect = kEmptyFigureRect;
    run.BlueRect = kEmptyFigureRect;
    if (picture.isNull()) {
        return PlaceResult::NoPicture;
    }
    if (!display.DisplayDevice || !display.SceneSurface) {
        return PlaceResult::NoSurface;
    }
    if (objectWidth) {
        scene.FigureScale = fusionFigureScale(state.session.ObjFuzItem, state.session.SizeFuzItem,
                                              mmPerPixel, scene.PictureWidth);
    }
    const int sw = scaledLength(scene.PictureWidth, scene.FigureScale);
    const int sh = scaledLength(scene.PictureHeight, scene.FigureScale);

    DisplayDevice& device = *display.DisplayDevice;
    display.PictureSurface = LoadPictureSurface(device, state.paths.ProgramDir, name);
    display.AuxSurface.reset();
    if (!display.PictureSurface ||
        !succeeded(device.createOffscreenSurface(sw, sh, display.AuxSurface))) {
        return PlaceResult::NoSurface;
    }
    Surface& scaled = *display.AuxSurface;
    if (!succeeded(scaled.blt(scaled.rect(), *display.PictureSurface))) {
        return PlaceResult::NoSurface;
    }

    if (colour == state.roles.ColorRed) {
        scene.FigureOffsetX = -scene.FigureOffsetX;
        scene.FigureOffsetY = -scene.FigureOffsetY;
    }
    Surface& target = *display.SceneSurface;
    const QSize screen = device.screenSize();
    const int x0 = figureLeft(scene.FigureOffsetX, sw, sh, run.EdgeMargin, screen);
    int y0 = figureTop(scene.FigureOffsetY, sh, run.EdgeMargin, screen);
    if (isScotomaBee(state.session)) {
        y0 -= kBeeLift;
    }

    SurfaceLock source;
    SurfaceLock destination;
    if (!succeeded(scaled.lock(source))) {
        return PlaceResult::NoSurface;
    }
    if (!succeeded(target.lock(destination))) {
        scaled.unlock();
        return PlaceResult::NoSurface;
    }
    // Only the part of the picture that lies on the scene.
    const int firstRow = std::max(0, -y0);
    const int lastRow = std::min(sh, target.height() - y0);
    const int firstColumn = std::max(0, -x0);
    const int lastColumn = std::min(sw, target.width() - x0);
    const auto fon = static_cast<std::uint8_t>(ix.IndexFon);
    const auto red = static_cast<std::uint8_t>(ix.IndexRed);
    const auto blue = static_cast<std::uint8_t>(ix.IndexBlue);
    const auto all = static_cast<std::uint8_t>(ix.IndexAll);
    for (int i = firstRow; i < lastRow; ++i) {
        const int y = y0 + i;
        const std::uint8_t* in = source.bits + i * source.pitch;
        std::uint8_t* out = destination.bits + y * destination.pitch;
        for (int j = firstColumn; j < lastColumn; ++j) {
            const int c = in[j];
            const int x = x0 + j;
            std::uint8_t& pixel = out[x];
            if (c == ix.PictureBlack && mode != PlaceRedOver) {
                pixel = fon;
            } else if (mode == PlaceCommon) {
                pixel = all;
            } else if (mode == PlaceBlueOnly) {
                pixel = (c == ix.PictureBlue || c == ix.PictureWhite) ? blue : fon;
            } else if (mode == PlaceRedOver) {
                if (c == ix.PictureRed || c == ix.PictureWhite) {
                    if (pixel == fon) {
                        pixel = red;
                    } else if (pixel == blue) {
                        pixel = all;
                    }
                }
            } else if (c == ix.PictureRed) {
                pixel = red;
                extend(run.RedRect, x, y);
            } else if (c == ix.PictureBlue) {
                pixel = blue;
                extend(run.BlueRect, x, y);
            } else { // white, or any other colour: common
                pixel = all;
                extend(run.RedRect, x, y);
                extend(run.BlueRect, x, y);
            }
        }
    }
    target.unlock();
    scaled.unlock();
    return PlaceResult::Placed;
}

} // namespace trelon
