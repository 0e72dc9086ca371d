#pragma once
// One procedure running in the stimulus window. The run (StimulusRun) keeps what every
// procedure shares and the order in which it applies; wherever procedures differ it reads the
// procedure's traits, given once, or calls one of the hooks below, one per event. Each of the
// eight procedures is one subclass (diagnostics/, trainings/) holding the state only it uses;
// the defaults here are what a procedure without a rule of its own does.
//
// A procedure draws, moves figures, captures and closes the window through the run's
// services (frame()), owns its own clock, and composes its scenes with the helpers below.
#include "platform/PlatformSeams.h"
#include "platform/Timer.h"
#include "procedures/ProcedureTraits.h"
#include "procedures/ResultCapture.h"
#include "procedures/RunServices.h"
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
#include <functional>
#include <memory>
#include <vector>

namespace trelon {

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
    // Creates the procedure clock (Timer2), which ticks clockTick().
    Procedure(ProcedureKind kind, RunServices& frame, SharedState& state,
              const PlatformSeams& seams, ProcedureTraits traits);
    virtual ~Procedure();
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;

    ProcedureKind kind() const { return kind_; }
    const ProcedureTraits& traits() const { return traits_; }
    // The procedure's own clock (Timer2); the frame stops it when the window closes.
    Timer& clock() { return *clock_; }
    const Timer& clock() const { return *clock_; }

    // The hooks, one per event the frame hands over after the rules every procedure shares.
    // Activation, after the window's common start values: the first scene (BuildScene) and
    // whatever the procedure does around it.
    virtual void start();
    // The procedure's scene, on the fresh SceneSurface BuildScene's common frame made.
    virtual void composeScene() = 0;
    virtual void homeKey() {}
    // Enter, once the common rules let it through (no figure is active any more).
    virtual void enterKey() {}
    // Up, Down, Left, Right after the common edge rule.
    virtual void arrowKey(int /*key*/, bool /*shift*/) {}
    virtual void mouseDown(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {}
    // A completed click; by default it ends the flicker (endFlickerByClick).
    virtual void click();
    // The pointer moved (not once the result is shown); by default the active figure
    // follows it (followPointer).
    virtual void mouseMove(int x, int y);
    // A tick of the procedure clock.
    virtual void clockTick() {}
    // The procedure's own clamps of a move, before anything else looks at it.
    virtual FigureMove clampMove(FigureMove move) { return move; }
    // Before the common steps of a capture: false leaves the run as it is (nothing to store).
    virtual bool prepareCapture() { return true; }
    // The procedure's values in the session's record, and what is shown and played.
    virtual CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) = 0;

protected:
    // What the procedures share.
    // The run the procedure belongs to.
    RunServices& frame() { return frame_; }
    const RunServices& frame() const { return frame_; }
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
    // The traits of the fusion trainings: a click closes the shown result, the flicker decides
    // where a move is drawn.
    static ProcedureTraits fusionTrainingTraits();

    // Rules several procedures share.
    // The click's common part: the flicker clock stops and the flicker period is cleared.
    void endFlickerByClick();
    // The active figure follows the pointer to (x, y): the move since the last position,
    // at most the mouse speed limit, made by moveBy (by default moveNearEdge); then the
    // cursor is put back onto the figure when it came near an edge.
    void followPointer(int x, int y);
    void followPointer(int x, int y, const std::function<void(FigureMove)>& moveBy);
    // A mouse move of the active figure, kept off the bottom edge.
    void moveNearEdge(FigureMove move);
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
    RunServices& frame_;
    SharedState& state_;
    PlatformSeams seams_;
    ProcedureTraits traits_;
    std::unique_ptr<Timer> clock_;
};

} // namespace trelon
