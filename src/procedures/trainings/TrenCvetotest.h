#pragma once
// Fusional-reserve training ("Развитие фузионных резервов"): the two eye images of a fused
// picture drift apart until the patient sees it double; the disparity is stored.
#include "procedures/Procedure.h"

namespace trelon {

class TrenCvetotest final : public Procedure {
public:
    using Procedure::Procedure;

protected:
    void start() override;
    // The training's scene is not drawn yet: the run starts from the plain background.
    void composeScene() override {}
    void homeKey() override;
    bool clickAfterResultCloses() const override { return true; }
    bool mouseMovesActiveFigure() const override { return false; }
    MoveRules moveRules() const override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;
};

} // namespace trelon
