#pragma once
// Strabismus training with flicker ("Устранение косоглазия. Мелькания."): the patient picks one
// of the two eye images of a picture and brings it to the aligned position by hand or lets it
// step there automatically, optionally flickering; the offsets from the aligned position are
// stored.
#include "procedures/Procedure.h"

namespace trelon {

class TrenKosogl final : public Procedure {
public:
    using Procedure::Procedure;

protected:
    void start() override;
    // The training's scene is not drawn yet: the run starts from the plain background.
    void composeScene() override {}
    bool keysToggleFlicker() const override { return true; }
    bool altMovesOtherFigure() const override { return true; }
    bool clickAfterResultCloses() const override { return true; }
    // Once a figure was picked, the clicks belong to the modes.
    bool clickIgnored() const override { return runState().FigurePicked; }
    void click() override;
    // While the procedure clock runs the mouse moves nothing.
    bool mouseMoveIgnored() const override;
    void moveByMouse(FigureMove move) override;
    int recentringTopMargin() const override { return 36; }
    bool flickerStopsAtTarget() const override { return false; }
    MoveRules moveRules() const override;
    bool prepareCapture() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // ReferenceOffset: RedLeft - BlueLeft and RedTop - BlueTop when the scene was built, the
    // aligned position.
    Offset referenceOffset_;
};

} // namespace trelon
