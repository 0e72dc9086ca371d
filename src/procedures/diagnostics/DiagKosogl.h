#pragma once
// The strabismus angle ("Измерение угла косоглазия"): with the scale, the patient moves a red
// marker to where the scale is seen, horizontally and then vertically, and one record holds
// both values; with a picture, the patient picks up one of its two eye images and moves it
// until the two are seen as one, and both components are stored.
#include "procedures/Procedure.h"

namespace trelon {

class DiagKosogl final : public Procedure {
public:
    DiagKosogl(ProcedureKind kind, RunServices& frame, SharedState& state,
               const PlatformSeams& seams);

    void composeScene() override;
    void enterKey() override;
    void arrowKey(int key, bool shift) override;
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    void click() override;
    void mouseMove(int x, int y) override;
    FigureMove clampMove(FigureMove move) override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // The session measures with the scale rather than a picture.
    bool isScale() const;
    void scaleScene();
    void pictureScene();
    // Enter, or the click that answers: by (VerticalPhase, ResultShown) capture, start the
    // vertical measurement, or close.
    void answer();
};

} // namespace trelon
