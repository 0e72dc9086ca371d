#pragma once
// The colour test ("Оценка характера зрения"): four dots for the two eyes and seven answer
// fields along the bottom of the screen; the field the patient clicks names the character of
// binocular vision and is stored. No figure moves.
#include "procedures/Procedure.h"

#include <optional>

namespace trelon {

class DiagCvetotest final : public Procedure {
public:
    DiagCvetotest(ProcedureKind kind, RunServices& frame, SharedState& state,
                  const PlatformSeams& seams);

    // The x of the click that answered.
    int ClickX() const { return clickX_; }

    void composeScene() override;
    void enterKey() override;
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    // No figure follows the mouse.
    void mouseMove(int /*x*/, int /*y*/) override {}
    bool prepareCapture() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    int clickX_ = 0; // ClickX
    // The field under the answering click and the vision type it names.
    int field_ = 0;
    std::optional<QString> visionText_;
};

} // namespace trelon
