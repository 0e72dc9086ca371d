#pragma once
// Fusional-reserve training ("Развитие фузионных резервов"): the two eye images of a fused
// picture drift apart until the patient sees it double; the disparity is stored.
#include "procedures/Procedure.h"

namespace trelon {

class TrenCvetotest final : public Procedure {
public:
    TrenCvetotest(ProcedureKind kind, RunServices& frame, SharedState& state,
                  const PlatformSeams& seams);

    void start() override;
    // The object fused at the centre.
    void composeScene() override;
    void homeKey() override;
    void enterKey() override;
    // Up moves the images apart (or together) by hand.
    void arrowKey(int key, bool shift) override;
    // Starts the drift, or answers.
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    // No figure follows the mouse.
    void mouseMove(int /*x*/, int /*y*/) override {}
    // One step of the drift.
    void clockTick() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // +1 when the blue image moves right as the images part, else -1.
    int blueDirection() const;
    void answer();
};

} // namespace trelon
