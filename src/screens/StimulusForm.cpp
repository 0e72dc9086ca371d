#include "screens/StimulusForm.h"

#include "display/DisplayDevice.h"
#include "gui/PresenterWidget.h"
#include "gui/QtClock.h"
#include "gui/QtCursor.h"
#include "gui/QtDialogs.h"
#include "gui/QtSoundPlayer.h"
#include "gui/QtTimer.h"
#include "gui/ScreenGeometry.h"
#include "platform/PlatformSeams.h"
#include "procedures/StimulusRun.h"
#include "registry/ProcedureRegistry.h"
#include "state/SharedState.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace trelon {

// The Qt implementations of the seams, for a window that is not given any.
struct QtSeams {
    QtSeams(QWidget& window, const QString& programDir, Dialogs* dialogs)
        : cursor(window, loadProgramCursor(programDir)), seams{dialogs != nullptr ? *dialogs
                                                                                  : ownDialogs,
                                                               clock, timers, cursor, sound} {}

    QtDialogs ownDialogs;
    QtClock clock;
    QtTimerFactory timers;
    QtCursor cursor;
    QtSoundPlayer sound;
    PlatformSeams seams;
};

TForm1::TForm1(SharedState& state, QWidget* parent) : TForm1(state, nullptr, nullptr, parent) {}

TForm1::TForm1(SharedState& state, Dialogs& dialogs, QWidget* parent)
    : TForm1(state, &dialogs, nullptr, parent) {}

TForm1::TForm1(SharedState& state, const PlatformSeams& seams, QWidget* parent)
    : TForm1(state, nullptr, &seams, parent) {}

TForm1::TForm1(SharedState& state, Dialogs* dialogs, const PlatformSeams* seams, QWidget* parent)
    : ModalScreen(parent), state_(state) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString());
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);

    presenter_ = new PresenterWidget(state.display, this);
    presenter_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(presenter_);

    if (seams == nullptr) {
        ownSeams_ = std::make_unique<QtSeams>(*this, state.paths.ProgramDir, dialogs);
        seams = &ownSeams_->seams;
    }
    StimulusHost& host = *this;
    run_ = std::make_unique<StimulusRun>(state, *seams, host, makeRegisteredProcedure);
}

TForm1::~TForm1() {
    QObject::disconnect(focusWatch_);
}

void TForm1::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    QObject::disconnect(focusWatch_);
    focusWatch_ = connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                          &TForm1::applicationStateChanged);
    releaseEndsDoubleClick_ = false;
    run_->FormActivate();
}

void TForm1::placeOnScreen() {
    QScreen* screen = screenOf(parentWidget() != nullptr ? parentWidget()->window() : this);
    const std::shared_ptr<DisplayDevice>& device = state_.display.DisplayDevice;
    if (screen != nullptr && device && device->screenSize() != screen->size()) {
        // The main window moved to a monitor of another size since the start: the primary
        // surface is made again, at the new size, when the run first draws.
        if (succeeded(device->setDisplayMode(screen->size().width(), screen->size().height(), 8))) {
            state_.display.PrimarySurface.reset();
        }
    }
    fullScreenOn(this, screen);
}

void TForm1::hideEvent(QHideEvent* event) {
    QObject::disconnect(focusWatch_);
    ModalScreen::hideEvent(event);
}

void TForm1::done(int result) {
    QObject::disconnect(focusWatch_);
    run_->FormClose();
    ModalScreen::done(result);
}

void TForm1::applicationStateChanged(Qt::ApplicationState applicationState) {
    if (applicationState != Qt::ApplicationActive && isVisible()) {
        run_->ApplicationEvents1Deactivate();
    }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    run_->keyDown(event->key(), event->modifiers());
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    releaseEndsDoubleClick_ = false;
    const QPoint at = event->position().toPoint();
    run_->mouseDown(event->button(), at.x(), at.y());
}

void TForm1::mouseDoubleClickEvent(QMouseEvent* event) {
    releaseEndsDoubleClick_ = true;
    const QPoint at = event->position().toPoint();
    run_->mouseDown(event->button(), at.x(), at.y());
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    const bool endsDoubleClick = releaseEndsDoubleClick_;
    releaseEndsDoubleClick_ = false;
    if (event->button() == Qt::LeftButton && !endsDoubleClick &&
        rect().contains(event->position().toPoint())) {
        run_->click();
    }
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    run_->mouseMove(at.x(), at.y());
}

QString TForm1::caption() const {
    return windowTitle();
}

void TForm1::refresh() {
    presenter_->update();
}

void TForm1::closeWindow() {
    close();
}

} // namespace trelon
