#pragma once
// The run of a procedure in the full-screen stimulus window, without any widget: the
// window's life cycle (creation, activation, closing, loss of the application focus), its
// four timers, the entry points of the patient's input and the small display operations the
// procedures use. The window (TForm1) forwards its events here; tests drive it directly with
// fake timers, clock, cursor and sound.
//
// Drawing goes to the surfaces of SharedState::display; everything else outside the core
// goes through the platform seams.
#include "platform/PlatformSeams.h"
#include "state/RoleColours.h"

#include <QPolygon>
#include <QSize>
#include <QString>
#include <Qt>
#include <cstdint>
#include <memory>

namespace trelon {

class SceneBuilder;
class Surface;
enum class ProcedureKind;
struct FigureMove;
class Timer;
class StimulusHost;
struct SharedState;

class StimulusRun {
public:
    // Creates the four timers and runs FormCreate.
    StimulusRun(SharedState& state, const PlatformSeams& seams, StimulusHost& host);
    virtual ~StimulusRun();
    StimulusRun(const StimulusRun&) = delete;
    StimulusRun& operator=(const StimulusRun&) = delete;

    // Life cycle.
    // Picture and role palette entries, Timer1's interval and the sound device type.
    void FormCreate();
    // The screen to the background colour, the run's start values, then the scene.
    void FormActivate();
    // Releases the cursor, stops the timers, releases the surfaces.
    void FormClose();
    // The application lost the focus: drop the figure, close, release the palette, mark the
    // session aborted (the set-up screen closes too) and ask the window to close.
    void ApplicationEvents1Deactivate();

    // The patient's input. Esc closes the window; the procedures' rules hang here.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void mouseDown(Qt::MouseButton button, int x, int y);
    // A completed left click (after the button is released).
    void click();
    void mouseMove(int x, int y);

    // Timer ticks.
    void Timer1Timer();
    void TimerMTimer();
    void Timer2Timer();
    void TimerMoveTimer();

    // Figure movement and flicker (RunMotion.cpp). Moves the active figure by (dx, dy)
    // pixels (FigureMovement.h); hides or shows the flickering image (Flicker.h).
    void MoveFigure(int dx, int dy);
    void ToggleFlicker();

    // Display operations offered to the procedures.
    // Error box titled with the window's caption: message, ": ", a carriage return and the
    // display device's description of code 1 ("Unrecognized Error").
    void ShowDisplayError(const QString& message);
    // The number n at the lower right of the screen: in a 40-pixel box followed by " сек"
    // while the result is shown, else alone in a 20-pixel box; then TimeBoxActive is set.
    void ShowTimeBox(int n);
    // "  text  " in bold 20-point black on white, its top-left corner at (x, y - 20).
    void ShowCaptionText(const QString& text, int x, int y);
    // A new AuxSurface of width x height filled with the background entry, with the polygon
    // filled in colour on it, for the caller to blit. False when the surface could not be
    // made or drawn on (AuxSurface may then be missing).
    bool DrawPolygonSurface(const QPolygon& points, ColourWord colour, int width, int height);
    // The result chart of the scotoma diagnostic on the primary: white, the outline in red,
    // rings every 9 mm labelled in degrees at the viewing distance, and the two axes.
    void DrawScotomaMap(const QPolygon& outline, int clientHeight, int clientWidth);

    // Ends an answer (CaptureResult.cpp): the figures' positions become degrees in the
    // session's record, the result lines are drawn, the record is appended when it carries a
    // patient name (the scotoma test after direction 8, the scale after its vertical value)
    // and the result sound plays. A failed append shows an error naming the file and plays
    // nothing. A colour-test click outside the seven fields captures nothing.
    void CaptureResult();

    // The window's timers: Timer1 (result display time), TimerM (flicker clock; its interval
    // is set by the set-up screen's start), Timer2 (procedure clock), TimerMove (one-shot
    // that makes a suspended figure movable again).
    Timer& Timer1() { return *timer1_; }
    Timer& TimerM() { return *timerM_; }
    Timer& Timer2() { return *timer2_; }
    Timer& TimerMove() { return *timerMove_; }

protected:
    // Builds the procedure's first picture and sets the run state (SceneBuilder); called
    // by FormActivate after the start values are set and by the procedures when a run or
    // step starts again.
    virtual void BuildScene();

    SharedState& state() { return state_; }
    const PlatformSeams& seams() { return seams_; }

private:
    // Stops the flicker and puts the full scene back on the screen before a training's capture.
    void showWholeScene();
    // Appends the session's record; false (after the error box) when that failed.
    bool appendSessionRecord();

    // The patient's input (RunInput.cpp): key rules 4 to 8 after the flicker and Alt rules.
    void handleKey(ProcedureKind procedure, int key, bool shift);
    // Home: the current step starts again on a cleared screen.
    void restartStep();
    // The flicker of a training toggles instead of a key or before a mouse move when due;
    // true when it toggled.
    bool toggleFlickerIfDue();
    // A mouse move of the active figure, after the speed limit.
    void mouseMoveFigure(ProcedureKind procedure, FigureMove move);
    // The cursor jumps back onto the active figure when it came near an edge.
    void recentreCursor(ProcedureKind procedure, int x, int y);
    // A click on a figure's pixel picks it up.
    void pickFigureUnderCursor(ProcedureKind procedure);

    // The diagnostics' own rules (DiagnosticInput.cpp).
    void diagnosticArrowKey(ProcedureKind procedure, int key, bool shift);
    // The angle test's answer by (VerticalPhase, ResultShown), for Enter and the scale's click.
    void kosoglAnswer();
    // The scotoma test's answer for the current direction; a click pauses 100 ms before the
    // next direction's scene.
    void scotomaAnswer(bool byClick);
    // The fusion test's disparity keys.
    void fusionKey(int key, bool shift);
    // Moves figure (1 blue, 2 red) by (dx, dy) and leaves it active.
    void moveFigureNo(std::int16_t figure, int dx, int dy);

    QSize screenSize() const;
    // The primary surface, made (with the palette attached) when the set-up screen left none.
    Surface* primary();

    SharedState& state_;
    PlatformSeams seams_;
    StimulusHost& host_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Timer> timerM_;
    std::unique_ptr<Timer> timer2_;
    std::unique_ptr<Timer> timerMove_;
    // The time box is composed on its own surface, so AuxSurface keeps the full scene that
    // the flicker restores from.
    std::shared_ptr<Surface> timeBox_;
    std::unique_ptr<SceneBuilder> scenes_;
};

} // namespace trelon
