#pragma once
// Shows the primary surface through its palette as the widget's background. The screens
// that show the stimulus derive from it (the stimulus window shows nothing else; the set-up
// and calibration screens put their controls on top).
//
// The widget listens to the display device while it is visible; a palette write repaints
// everything, a change of the primary repaints only the changed box. Conversion happens at
// paint time, so a burst of changes costs one conversion.
#include "display/FrameConverter.h"
#include "display/ScreenObserver.h"

#include <QWidget>
#include <memory>

namespace trelon {

struct DisplayObjects;
class DisplayDevice;

class PresenterWidget : public QWidget, public ScreenObserver {
    Q_OBJECT
public:
    explicit PresenterWidget(DisplayObjects& display, QWidget* parent = nullptr);
    ~PresenterWidget() override;

    // Starts listening to the display device and repaints everything. Done on show. A device
    // replaced while the widget is shown is picked up at the widget's next paint; call this
    // to repaint at once.
    void connectToDevice();

    void paletteChanged() override;
    void primaryChanged(const QRect& box) override;

    const FrameConverter& converter() const { return converter_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void listenToCurrentDevice();
    void disconnectFromDevice();
    // Where the screen's top-left corner (surface pixel 0, 0) lies in widget coordinates.
    QPoint screenOrigin() const;

    DisplayObjects& display_;
    std::weak_ptr<DisplayDevice> device_;
    FrameConverter converter_;
};

} // namespace trelon
