#pragma once
// The functional scotoma ("Выявление функциональной скотомы"): in each of eight directions
// the patient moves a red mark from the screen's edge along the direction's line until it
// disappears or reappears, and answers; the eight points are drawn as a map and stored in one
// record after the last direction.
#include "procedures/Procedure.h"

namespace trelon {

class DiagScotoma final : public Procedure {
public:
    using Procedure::Procedure;

protected:
    void start() override;
    void composeScene() override;
    bool answersPaused() const override;
    bool countsSteps() const override { return true; }
    void homeKey() override;
    void enterKey() override;
    void arrowKey(int key, bool shift) override;
    bool clickAfterResultCloses() const override { return true; }
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    bool mouseMoveIgnored() const override;
    void moveByMouse(FigureMove move) override;
    void procedureClockTick() override;
    MoveRules moveRules() const override;
    bool prepareCapture() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // The answer for the current direction; a click pauses 100 ms before the next
    // direction's scene.
    void answer(bool byClick);
};

} // namespace trelon
