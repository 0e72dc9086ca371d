#include "procedures/diagnostics/ScotomaMap.h"

#include "common/Rounding.h"
#include "display/Canvas.h"
#include "display/DisplayDevice.h"
#include "procedures/RunServices.h"
#include "state/SharedState.h"
#include "stimulus/ScotomaMapLabels.h"

namespace trelon {

namespace {

// 9 mm in pixels, the spacing of the scotoma map's rings; 0 (no rings) when the scale gives
// less than a pixel or more than the width.
int ringSpacing(double mmPerPixel, int clientWidth) {
    if (!(mmPerPixel > 0)) {
        return 0;
    }
    const double pixels = 9 / mmPerPixel;
    if (!(pixels < clientWidth + 1.0)) {
        return 0;
    }
    return static_cast<int>(roundHalfEven(pixels));
}

constexpr ColourWord kBlack = colourWord(0, 0, 0);
constexpr ColourWord kWhite = colourWord(255, 255, 255);
constexpr ColourWord kRed = colourWord(255, 0, 0);
constexpr ColourWord kBlue = colourWord(0, 0, 255);

} // namespace

bool DrawPolygonSurface(SharedState& state, const QPolygon& points, ColourWord colour, int width,
                        int height) {
    DisplayObjects& display = state.display;
    display.AuxSurface.reset();
    if (!display.DisplayDevice || !succeeded(display.DisplayDevice->createOffscreenSurface(
                                      width, height, display.AuxSurface))) {
        return false;
    }
    display.AuxSurface->fill(static_cast<std::uint8_t>(state.indices.IndexFon));
    std::unique_ptr<Canvas> canvas;
    if (!succeeded(display.AuxSurface->getCanvas(canvas))) {
        return false;
    }
    canvas->setPen(colour, 0);
    canvas->setBrush(colour);
    canvas->polygon(points);
    return true;
}

void DrawScotomaMap(SharedState& state, RunServices& frame, const QPolygon& outline,
                    int clientHeight, int clientWidth) {
    Surface* screen = frame.primary();
    if (screen != nullptr) {
        screen->fill(255);
    }
    std::unique_ptr<Canvas> canvas;
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        frame.ShowDisplayError(
            QStringLiteral("Ошибка получения доступа к поверхности для результата"));
        return;
    }
    canvas->setBrush(kWhite);
    canvas->setPen(kRed, 5);
    canvas->polygon(outline);
    canvas->setPen(kRed, 1);
    canvas->polygon(outline);

    const int d = ringSpacing(state.settings.MmPerPixel, clientWidth);
    const int rings = d > 0 ? clientWidth / d - 1 : 0;
    const int cx = clientWidth / 2;
    const int cy = clientHeight / 2;
    canvas->setPen(kBlack, 1);
    canvas->setNullBrush();
    for (int k = 1; k <= rings; ++k) {
        canvas->ellipse(cx - k * d, cy - k * d, cx + k * d, cy + k * d);
    }

    canvas->setFont(QStringLiteral("MS Sans Serif"), Canvas::pixelsFromPoints(6));
    canvas->setTextColour(kBlue);
    for (int k = 1; k <= rings; ++k) {
        const double degrees = scotomaRingDegrees(k, state.session.DistanceCm);
        canvas->textOut(cx - k * d, cy + 2, shortestDecimal(degrees));
        canvas->textOut(cx + k * d, cy + 2, shortestDecimal(-degrees));
    }

    canvas->setPen(kBlack, 2);
    canvas->moveTo(20, clientHeight / 2);
    canvas->lineTo(clientWidth - 20, clientHeight / 2);
    canvas->moveTo(clientWidth / 2, 20);
    canvas->lineTo(clientWidth / 2, clientHeight - 20);
    canvas.reset();
    state.run.ActiveFigure = FigureNone;
}

} // namespace trelon
