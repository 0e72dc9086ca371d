#pragma once
// The run of a procedure in the full-screen stimulus window, without any widget: the
// window's life cycle (creation, activation, closing, loss of the application focus), its
// four timers, the entry points of the patient's input and the display operations the
// procedures use. The window (TForm1) forwards its events here; tests drive it directly with
// fake timers, clock, cursor and sound.
//
// What every procedure shares is kept here, in the order it applies; at each point where the
// procedures differ the run calls a hook of the procedure of the session's kind (Procedure.h),
// made by the maker it was given when the window is activated or the session's kind changed.
// The procedure reaches the run only through RunServices.
//
// Drawing goes to the surfaces of SharedState::display; everything else outside the core
// goes through the platform seams.
#include "platform/PlatformSeams.h"
#include "procedures/ProcedureMaker.h"
#include "procedures/RunServices.h"

#include <QSize>
#include <QString>
#include <Qt>
#include <cstdint>
#include <memory>

namespace trelon {

class Procedure;
class StimulusHost;
class Surface;
class Timer;
struct SharedState;

class StimulusRun : public RunServices {
public:
    // Creates the four timers and runs FormCreate. makeProcedure makes the procedure of a kind.
    StimulusRun(SharedState& state, const PlatformSeams& seams, StimulusHost& host,
                ProcedureMaker makeProcedure);
    ~StimulusRun() override;
    StimulusRun(const StimulusRun&) = delete;
    StimulusRun& operator=(const StimulusRun&) = delete;

    // Life cycle.
    // Picture and role palette entries, Timer1's interval and the sound device type.
    void FormCreate();
    // The screen to the background colour, the run's start values, then the procedure's
    // start (its first scene).
    void FormActivate();
    // Releases the cursor, stops the timers, releases the surfaces.
    void FormClose();
    // The application lost the focus: drop the figure, close, release the palette, mark the
    // session aborted (the set-up screen closes too) and ask the window to close.
    void ApplicationEvents1Deactivate();

    // The patient's input (StimulusRunInput.cpp). Esc closes the window; the rules every procedure
    // shares come first, the procedure's own through its hooks.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void mouseDown(Qt::MouseButton button, int x, int y);
    // A completed left click (after the button is released).
    void click();
    void mouseMove(int x, int y);

    // Timer ticks.
    void Timer1Timer();
    void TimerMTimer();
    void TimerMoveTimer();

    // The first picture of a run or step: the common frame (the run's per-step flags, the
    // figure placement, a fresh SceneSurface filled with the background), then the
    // procedure's scene. Called by the activation and by the procedures when a run or step
    // starts again.
    void BuildScene() override;

    // Figure movement and flicker (StimulusRunMotion.cpp). Moves the active figure by (dx, dy)
    // pixels after the procedure's clamps, by its rules (FigureMovement.h); hides or shows
    // the flickering image (Flicker.h).
    void MoveFigure(int dx, int dy) override;
    void ToggleFlicker();
    // The flicker of a training toggles instead of a key or before a mouse move when due;
    // true when it toggled. The toggle itself moves no figure.
    bool ToggleFlickerIfDue() override;
    // Stops the flicker and puts the full scene back on the screen before a training's
    // capture.
    void ShowWholeScene() override;
    void startFlickerClock(int tickMs) override;
    void stopFlickerClock() override;
    void restFigure(std::int16_t figure) override;
    bool figureResting() const override;
    void recentreCursor(int x, int y, int topMargin) override;

    // Display operations offered to the procedures (StimulusRunDisplay.cpp).
    // Error box titled with the window's caption: message, ": ", a carriage return and the
    // display device's description of code 1 ("Unrecognized Error").
    void ShowDisplayError(const QString& message) override;
    // The number n at the lower right of the screen: in a 40-pixel box followed by " сек"
    // while the result is shown, else alone in a 20-pixel box; then TimeBoxActive is set.
    void ShowTimeBox(int n) override;
    // "  text  " in bold 20-point black on white, its top-left corner at (x, y - 20).
    void ShowCaptionText(const QString& text, int x, int y);
    // Ends an answer (StimulusRunCapture.cpp): the figures' positions become degrees in the
    // session's record by the procedure's rules, the result lines are drawn, the record is
    // appended when it is complete and carries a patient name, and the result sound plays.
    // A failed append shows an error naming the file and plays nothing. An answer the
    // procedure cannot store (a colour-test click outside the seven fields) captures nothing.
    void CaptureResult() override;

    // Asks the window to close; the window then runs FormClose.
    void CloseWindow() override;
    // Home: the current step starts again on a cleared screen.
    void RestartStep() override;

    // The window's timers: Timer1 (result display time), TimerM (flicker clock; its interval
    // is set by the set-up screen's start), TimerMove (one-shot that makes a suspended figure
    // movable again); Timer2 is the clock of the procedure of the session's kind.
    Timer& Timer1() { return *timer1_; }
    Timer& TimerM() { return *timerM_; }
    Timer& Timer2();
    Timer& TimerMove() { return *timerMove_; }
    const Timer& TimerMove() const { return *timerMove_; }

    // The screen's size (the device's, else the primary surface's).
    QSize screenSize() const override;
    // The primary surface, made (with the palette attached) when the set-up screen left none.
    Surface* primary() override;

    // The procedure of the session's kind; made anew whenever that kind changed.
    Procedure& procedure();

protected:
    SharedState& state() { return state_; }
    const PlatformSeams& seams() { return seams_; }

private:
    // BuildScene's common frame: clears the run's per-step flags and the figure placement,
    // releases the cursor and makes SceneSurface anew, filled with the background. False
    // when it cannot be made.
    bool beginScene();
    // Appends the session's record; false (after the error box) when that failed.
    bool appendSessionRecord();
    // The procedure of kind from the maker; the procedure of none when it knows no such kind.
    std::unique_ptr<Procedure> makeProcedureOf(ProcedureKind kind);

    SharedState& state_;
    PlatformSeams seams_;
    StimulusHost& host_;
    ProcedureMaker makeProcedure_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Timer> timerM_;
    std::unique_ptr<Timer> timerMove_;
    // The time box is composed on its own surface, so AuxSurface keeps the full scene that
    // the flicker restores from.
    std::shared_ptr<Surface> timeBox_;
    std::unique_ptr<Procedure> procedure_;
};

} // namespace trelon
