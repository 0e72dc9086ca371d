#pragma once
// The fusional reserves ("Определение фузионных резервов"): the two eye images of an object
// are drawn apart with Up (variants 1, 2, from fused at the centre) or together with Down
// (variants 3, 4, from the screen's edges) until the patient sees them double or single; the
// disparity is stored.
#include "procedures/Procedure.h"

namespace trelon {

class DiagFuzia final : public Procedure {
public:
    DiagFuzia(ProcedureKind kind, RunServices& frame, SharedState& state,
              const PlatformSeams& seams);

    void start() override;
    void composeScene() override;
    void homeKey() override;
    void enterKey() override;
    void arrowKey(int key, bool shift) override;
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    // No figure follows the mouse.
    void mouseMove(int /*x*/, int /*y*/) override {}
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;
};

} // namespace trelon
