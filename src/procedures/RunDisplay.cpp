// The display operations the procedures use: error boxes, the time box, caption text,
// single-colour polygons and the scotoma map.
#include "common/Rounding.h"
#include "display/Canvas.h"
#include "display/DisplayDevice.h"
#include "platform/Dialogs.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"
#include "stimulus/ScotomaMapLabels.h"

namespace trelon {

namespace {

QString surfaceCreateFailed() {
    return QStringLiteral("Ошибка создания поверхности для результата");
}
QString surfaceAccessFailed() {
    return QStringLiteral("Ошибка получения доступа к поверхности для результата");
}
QString timeOutputFailed() {
    return QStringLiteral("Ошибка вывода времени");
}

// A rectangle given as the display device takes it: right and bottom exclusive.
QRect deviceRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

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

void StimulusRun::ShowDisplayError(const QString& message) {
    seams_.dialogs.error(host_.caption(), message + QStringLiteral(": ") + QLatin1Char('\r') +
                                              describeResult(kUnrecognizedResultCode));
}

void StimulusRun::ShowTimeBox(int n) {
    const bool withUnit = state_.run.ResultShown;
    const int width = withUnit ? 40 : 20;
    const int height = 20;
    const QSize screen = screenSize();
    const QRect destination =
        deviceRect(screen.width() - (withUnit ? 50 : 30), screen.height() - 50, screen.width() - 11,
                   screen.height() - 31);
    const QRect source = deviceRect(0, 0, width - 1, height - 1);

    timeBox_.reset();
    DisplayDevice* device = state_.display.DisplayDevice.get();
    if (device == nullptr || !succeeded(device->createOffscreenSurface(width, height, timeBox_))) {
        ShowDisplayError(surfaceCreateFailed());
        return;
    }
    timeBox_->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
    {
        std::unique_ptr<Canvas> canvas;
        if (!succeeded(timeBox_->getCanvas(canvas))) {
            ShowDisplayError(surfaceAccessFailed());
            return;
        }
        canvas->setBackgroundColour(state_.roles.ColorFon);
        canvas->setTextColour(state_.roles.ColorAll);
        QString text = QString::number(n);
        if (withUnit) {
            text += QStringLiteral(" сек");
        }
        canvas->textOut(0, 0, text);
    }
    Surface* screenSurface = primary();
    if (screenSurface == nullptr ||
        !succeeded(screenSurface->blt(destination, *timeBox_, source))) {
        ShowDisplayError(timeOutputFailed());
    }
    state_.run.TimeBoxActive = true;
}

void StimulusRun::ShowCaptionText(const QString& text, int x, int y) {
    std::unique_ptr<Canvas> canvas;
    Surface* screen = primary();
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        ShowDisplayError(surfaceAccessFailed());
        return;
    }
    canvas->setFont(QStringLiteral("MS Sans Serif"), Canvas::pixelsFromPoints(20), true);
    canvas->setTextColour(kBlack);
    canvas->textOut(x, y - 20, QStringLiteral("  ") + text + QStringLiteral("  "));
}

bool StimulusRun::DrawPolygonSurface(const QPolygon& points, ColourWord colour, int width,
                                     int height) {
    DisplayObjects& display = state_.display;
    display.AuxSurface.reset();
    if (!display.DisplayDevice || !succeeded(display.DisplayDevice->createOffscreenSurface(
                                      width, height, display.AuxSurface))) {
        return false;
    }
    display.AuxSurface->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
    std::unique_ptr<Canvas> canvas;
    if (!succeeded(display.AuxSurface->getCanvas(canvas))) {
        return false;
    }
    canvas->setPen(colour, 0);
    canvas->setBrush(colour);
    canvas->polygon(points);
    return true;
}

void StimulusRun::DrawScotomaMap(const QPolygon& outline, int clientHeight, int clientWidth) {
    Surface* screen = primary();
    if (screen != nullptr) {
        screen->fill(255);
    }
    std::unique_ptr<Canvas> canvas;
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        ShowDisplayError(surfaceAccessFailed());
        return;
    }
    canvas->setBrush(kWhite);
    canvas->setPen(kRed, 5);
    canvas->polygon(outline);
    canvas->setPen(kRed, 1);
    canvas->polygon(outline);

    const int d = ringSpacing(state_.settings.MmPerPixel, clientWidth);
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
        const double degrees = scotomaRingDegrees(k, state_.session.DistanceCm);
        canvas->textOut(cx - k * d, cy + 2, shortestDecimal(degrees));
        canvas->textOut(cx + k * d, cy + 2, shortestDecimal(-degrees));
    }

    canvas->setPen(kBlack, 2);
    canvas->moveTo(20, clientHeight / 2);
    canvas->lineTo(clientWidth - 20, clientHeight / 2);
    canvas->moveTo(clientWidth / 2, 20);
    canvas->lineTo(clientWidth / 2, clientHeight - 20);
    canvas.reset();
    state_.run.ActiveFigure = FigureNone;
}

} // namespace trelon
