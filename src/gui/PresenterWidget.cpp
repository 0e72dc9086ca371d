#include "gui/PresenterWidget.h"

#include "display/DisplayDevice.h"
#include "display/DisplayObjects.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace trelon {

PresenterWidget::PresenterWidget(DisplayObjects& display, QWidget* parent)
    : QWidget(parent), display_(display) {}

PresenterWidget::~PresenterWidget() {
    disconnectFromDevice();
}

void PresenterWidget::connectToDevice() {
    listenToCurrentDevice();
    update();
}

void PresenterWidget::listenToCurrentDevice() {
    disconnectFromDevice();
    if (display_.DisplayDevice) {
        display_.DisplayDevice->addScreenObserver(this);
        device_ = display_.DisplayDevice;
    }
    converter_.invalidateAll();
}

void PresenterWidget::disconnectFromDevice() {
    if (const auto device = device_.lock()) {
        device->removeScreenObserver(this);
    }
    device_.reset();
}

void PresenterWidget::paletteChanged() {
    converter_.invalidateAll();
    update();
}

void PresenterWidget::primaryChanged(const QRect& box) {
    converter_.invalidate(box);
    update(box.translated(screenOrigin()));
}

QPoint PresenterWidget::screenOrigin() const {
    const QScreen* shownOn = screen();
    return mapFromGlobal(shownOn ? shownOn->geometry().topLeft() : QPoint(0, 0));
}

void PresenterWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    connectToDevice();
}

void PresenterWidget::hideEvent(QHideEvent* event) {
    disconnectFromDevice();
    QWidget::hideEvent(event);
}

void PresenterWidget::paintEvent(QPaintEvent* event) {
    if (device_.lock() != display_.DisplayDevice) {
        listenToCurrentDevice(); // the device was replaced while the widget was shown
    }
    const std::shared_ptr<Surface>& primary = display_.PrimarySurface;
    if (!primary) {
        return; // no screen to show: the widget's own background stays
    }
    converter_.update(*primary, primary->effectivePalette().entries());
    const QImage& frame = converter_.frame();
    const QPoint origin = screenOrigin();
    QPainter painter(this);
    for (const QRect& box : event->region()) {
        const QRect source = box.translated(-origin).intersected(frame.rect());
        if (!source.isEmpty()) {
            painter.drawImage(source.topLeft() + origin, frame, source);
        }
    }
}

} // namespace trelon
