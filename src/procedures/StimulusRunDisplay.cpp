// The display operations the procedures use: error boxes, the time box and caption text.
#include "display/Canvas.h"
#include "display/DisplayDevice.h"
#include "platform/Dialogs.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"

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

constexpr ColourWord kBlack = colourWord(0, 0, 0);

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

} // namespace trelon
