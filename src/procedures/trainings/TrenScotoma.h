#pragma once
// Scotoma elimination ("Ликвидация функциональной скотомы"): the patient steers a figure
// along its direction into a target at the centre of the screen; the smallest distance
// reached is stored.
#include "procedures/Procedure.h"

namespace trelon {

class TrenScotoma final : public Procedure {
public:
    using Procedure::Procedure;

protected:
    void start() override;
    // The training's scene is not drawn yet: the run starts from the plain background.
    void composeScene() override {}
    bool keysToggleFlicker() const override { return true; }
    bool countsSteps() const override { return true; }
    void homeKey() override;
    bool mouseMoveIgnored() const override;
    void moveByMouse(FigureMove move) override;
    int recentringTopMargin() const override { return 45; }
    FigureMove clampMove(FigureMove move) override;
    MoveRules moveRules() const override;
    bool prepareCapture() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;
};

} // namespace trelon
