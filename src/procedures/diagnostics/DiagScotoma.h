#pragma once
// The functional scotoma ("Выявление функциональной скотомы"): in each of eight directions
// the patient moves a red mark from the screen's edge along the direction's line until it
// disappears or reappears, and answers; the eight points are drawn as a map and stored in one
// record after the last direction.
#include "procedures/Procedure.h"

namespace trelon {

class DiagScotoma final : public Procedure {
public:
    DiagScotoma(ProcedureKind kind, RunServices& frame, SharedState& state,
                const PlatformSeams& seams);

    void start() override;
    void composeScene() override;
    void homeKey() override;
    void enterKey() override;
    void arrowKey(int key, bool shift) override;
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    void mouseMove(int x, int y) override;
    void clockTick() override;
    bool prepareCapture() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // The answer for the current direction; a click pauses 100 ms before the next
    // direction's scene.
    void answer(bool byClick);
};

} // namespace trelon
