#pragma once
// Bifixation training ("Закрепление бификсации. Колебания."): the two eye images of a picture
// oscillate apart and together while they converge to the aligned position; the offsets are
// stored.
#include "procedures/Procedure.h"

namespace trelon {

class TrenBifics final : public Procedure {
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
