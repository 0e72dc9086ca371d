#pragma once
// The full-screen stimulus window in which a procedure runs: a thin widget over the run
// (StimulusRun). It shows the primary surface through the palette and nothing else, and
// hands every key, mouse event and the loss of the application focus to the run.
#include "gui/ModalScreen.h"
#include "procedures/StimulusHost.h"

#include <QMetaObject>
#include <memory>

namespace trelon {

class Dialogs;
class PresenterWidget;
class StimulusRun;
struct PlatformSeams;
struct SharedState;
struct QtSeams;

class TForm1 : public ModalScreen, private StimulusHost {
    Q_OBJECT
public:
    // On the Qt clock, timers, cursor and sound, with dialogs of its own.
    explicit TForm1(SharedState& state, QWidget* parent = nullptr);
    // On the Qt clock, timers, cursor and sound, with the program's dialogs.
    TForm1(SharedState& state, Dialogs& dialogs, QWidget* parent = nullptr);
    // On the given seams (tests).
    TForm1(SharedState& state, const PlatformSeams& seams, QWidget* parent = nullptr);
    ~TForm1() override;

    StimulusRun& run() { return *run_; }

    // Closing, whichever way it happens, ends the run.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Full screen on the main window's monitor, the emulated display sized for that monitor.
    void placeOnScreen() override;

private:
    TForm1(SharedState& state, Dialogs* dialogs, const PlatformSeams* seams, QWidget* parent);
    void applicationStateChanged(Qt::ApplicationState applicationState);

    // StimulusHost
    QString caption() const override;
    void refresh() override;
    void closeWindow() override;

    SharedState& state_;
    std::unique_ptr<QtSeams> ownSeams_;
    std::unique_ptr<StimulusRun> run_;
    PresenterWidget* presenter_ = nullptr;
    QMetaObject::Connection focusWatch_;
    // The button release that ends a double click is no click of its own.
    bool releaseEndsDoubleClick_ = false;
};

} // namespace trelon
