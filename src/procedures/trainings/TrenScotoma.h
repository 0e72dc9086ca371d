#pragma once
// Scotoma elimination ("Ликвидация функциональной скотомы"): the patient steers a figure
// along its direction into a target at the centre of the screen; the smallest distance
// reached is stored.
#include "procedures/Procedure.h"

namespace trelon {

class TrenScotoma final : public Procedure {
public:
    TrenScotoma(ProcedureKind kind, RunServices& frame, SharedState& state,
                const PlatformSeams& seams);

    void start() override;
    // The target at the centre, the figure at the start of its direction, the flicker.
    void composeScene() override;
    void homeKey() override;
    void enterKey() override;
    void arrowKey(int key, bool shift) override;
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    // Past the target the figure runs away by itself; before it, it follows the pointer.
    void mouseMove(int x, int y) override;
    // The flicker at its period; past the target, the run-away.
    void clockTick() override;
    FigureMove clampMove(FigureMove move) override;
    bool prepareCapture() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // The target by object and size item, centred; its box (BlueRect at the end).
    FigureRect placeTarget();
    // The figure at the start of direction StepNo, its box (RedRect) and the farthest point
    // at the target's entry edge; false when it could not be drawn.
    bool placeFigure(const FigureRect& target);
    // The flicker period of the chosen frequency starts both clocks.
    void startFlicker();
    // AuxSurface := a copy of the whole screen, the full scene the flicker and the capture
    // restore.
    void keepFullScene();
    // After a move of the figure from before: the centre, or the eating of the target, the
    // farthest point and (after a mouse move onto new ground) the push-back.
    void afterMove(const FigureRect& before, bool byMouse);
    bool centreReached() const;
    void reachCentre();
    void closeTrap();
    void eatTarget(const FigureRect& before);
    void runAwayStep();
    // Any answer: both clocks stop and the distance is captured.
    void answer();
    // The middle of the window, which the figure travels to.
    QPoint screenCentre() const;
    // One millimetre in whole pixels.
    int millimetre() const;

    // The flicker period of the set-up screen's frequency, kept for every rebuild.
    std::uint16_t flickerPeriod_ = 0;
    // FarthestPoint: the farthest coordinate of the figure's leading edge along its travel.
    int farthestPoint_ = 0;
    // NewGround: the last move went beyond the farthest point.
    bool newGround_ = false;
};

} // namespace trelon
