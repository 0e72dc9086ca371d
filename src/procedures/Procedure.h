#pragma once
// One procedure running in the stimulus window. The run (StimulusRun) keeps what every
// procedure shares and the order in which it applies; wherever procedures differ it calls one
// of the protected hooks below on the procedure of the session. Each of the eight procedures
// is one subclass (diagnostics/, trainings/) holding the state only it uses; the defaults
// here are what a procedure without a rule of its own does.
//
// A procedure draws, moves figures, captures and closes the window through the operations of
// the window's run (window()), and composes its scenes with the helpers below.
#include "platform/PlatformSeams.h"
#include "procedures/ResultCapture.h"
#include "results/ProcedureKind.h"
#include "state/RoleColours.h"
#include "stimulus/FigureMovement.h"
#include "stimulus/MoveClamps.h"
#include "stimulus/PlaceFigure.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <Qt>
#include <cstdint>
#include <vector>

namespace trelon {

class StimulusRun;
class Surface;
struct RunState;
struct SessionParams;
struct SharedState;

// What a procedure's answer produced: the lines shown at the bottom of the screen, whether
// the session's record is complete and is appended now, and the sound that follows.
struct CapturedValues {
    std::vector<ResultLine> lines;
    bool recordComplete = true;
    QString sound = QStringLiteral("Rez.wav");
};

class Procedure {
public:
    Procedure(ProcedureKind kind, StimulusRun& run, SharedState& state, const PlatformSeams& seams);
    virtual ~Procedure();
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;

    ProcedureKind kind() const { return kind_; }

protected:
    friend class StimulusRun;

    // Activation, after the window's common start values: the first scene (BuildScene) and
    // whatever the procedure does around it.
    virtual void start();
    // The procedure's scene, on the fresh SceneSurface BuildScene's common frame made.
    virtual void composeScene() = 0;

    // Keys.
    // An arrow or Home spent on a flicker toggle that is due.
    virtual bool keysToggleFlicker() const { return false; }
    // Alt with a key moves the other figure for that key press.
    virtual bool altMovesOtherFigure() const { return false; }
    // The procedure takes no answer now (neither Enter nor a mouse button).
    virtual bool answersPaused() const { return false; }
    // StepNo counts the run's steps: 9 (all done) makes Enter close the window.
    virtual bool countsSteps() const { return false; }
    virtual void homeKey() {}
    // Enter, once the common rules let it through (no figure is active any more).
    virtual void enterKey() {}
    // Up, Down, Left, Right after the common edge rule.
    virtual void arrowKey(int /*key*/, bool /*shift*/) {}

    // Mouse.
    // Once the result is shown a button press closes the window.
    virtual bool clickAfterResultCloses() const { return false; }
    virtual void mouseDown(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {}
    // A completed click does nothing at all, not even stop the flicker.
    virtual bool clickIgnored() const { return false; }
    // A completed click, after the flicker clock stopped and the flicker period was cleared.
    virtual void click() {}
    // Mouse moves are ignored for now.
    virtual bool mouseMoveIgnored() const { return false; }
    // The mouse moves the active figure; otherwise mouseMoved() gets the pointer.
    virtual bool mouseMovesActiveFigure() const { return true; }
    virtual void mouseMoved(int /*x*/, int /*y*/) {}
    // A mouse move of the active figure, after the speed limit.
    virtual void moveByMouse(FigureMove move);
    // The cursor is put back on the figure when it comes this close to the top.
    virtual int recentringTopMargin() const { return 5; }

    // Clocks.
    virtual void procedureClockTick() {} // Timer2
    // The flicker clock stops once the target is reached and the image is shown.
    virtual bool flickerStopsAtTarget() const { return true; }

    // Movement.
    // The procedure's own clamps of a move, before anything else looks at it.
    virtual FigureMove clampMove(FigureMove move) { return move; }
    virtual MoveRules moveRules() const { return {}; }

    // Capture.
    // Before the common steps of a capture: false leaves the run as it is (nothing to store).
    virtual bool prepareCapture() { return true; }
    // The procedure's values in the session's record, and what is shown and played.
    virtual CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) = 0;

    // What the procedures share.
    // The stimulus window's run: its operations, timers and scene building.
    StimulusRun& window() { return run_; }
    const StimulusRun& window() const { return run_; }
    SharedState& state() { return state_; }
    const SharedState& state() const { return state_; }
    RunState& runState();
    const RunState& runState() const;
    SessionParams& session();
    const SessionParams& session() const;
    const PlatformSeams& seams() const { return seams_; }

    // Scene composition.
    // The screen a scene is composed for (the device's size; empty without a device).
    QSize client() const;
    QPoint centre() const;
    // PlaceFigure at the settings' millimetres per pixel. A picture that does not load is
    // told to the operator; a surface that cannot be made is not.
    PlaceResult place(int mode, ColourWord colour, const QString& name);
    // The screen filled with the background; null when there is none.
    Surface* clearedPrimary();
    // SceneSurface copied whole to the screen.
    void showScene();
    // "Ошибка получения доступа к поверхности для результата".
    void surfaceAccessError();
    // StartSnapshot := the figures' boxes as they are now.
    void takeStartSnapshot();
    // Puts the pointer at p, remembered as the last cursor position, and hides it.
    void parkHiddenCursor(QPoint p);
    // The object of the fusion trainings (RadioGroupTrenFuzObj, at the size item's scale) at
    // the centre, whole in the common colour; both figures' boxes on it, the red one active,
    // StartSnapshot taken, the pointer hidden at the centre.
    void composeFusionObjectScene();

    // Rules several procedures share.
    // Moves figure (1 blue, 2 red) by (dx, dy) and leaves it active.
    void moveFigureNo(std::int16_t figure, int dx, int dy);
    // A click that picks up the figure under the cursor, or drops the active one. A pick
    // marks the run touched when touches; fromFullScene reads the pixel from AuxSurface (the
    // full scene while a flicker may hide a figure) instead of the screen.
    void pickOrDropFigure(bool touches, bool fromFullScene = false);
    // A mouse move that must keep the figure out of the margins: a move into a margin is
    // refused, and with otherFigureCloses the other figure moves the opposite way instead.
    // The move is drawn only while no flicker hides it.
    void moveKeepingMargins(FigureMove move, bool otherFigureCloses);

private:
    ProcedureKind kind_;
    StimulusRun& run_;
    SharedState& state_;
    PlatformSeams seams_;
};

} // namespace trelon
