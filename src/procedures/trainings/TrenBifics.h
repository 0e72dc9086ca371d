#pragma once
// Bifixation training ("Закрепление бификсации. Колебания."): the two eye images of a picture
// oscillate apart and together while they converge to the aligned position; the offsets are
// stored.
#include "procedures/Procedure.h"

#include <optional>

namespace trelon {

class TrenBifics final : public Procedure {
public:
    TrenBifics(ProcedureKind kind, RunServices& frame, SharedState& state,
               const PlatformSeams& seams);

    void start() override;
    void composeScene() override;
    void homeKey() override;
    void enterKey() override;
    void arrowKey(int key, bool shift) override;
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    // The pointer moves the pair apart or together.
    void mouseMove(int x, int y) override;
    void clockTick() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // The oscillation starts from where the patient left the figures.
    void startOscillation();
    // The tick's step towards each other before the swing turns it, by the phase (1 both
    // axes, 2 horizontal, 3 vertical); nothing when the tick ended the run or changed phase.
    std::optional<FigureMove> convergingStep();
    // The red figure moves by move and the blue one the opposite way; the red one stays active.
    void movePair(FigureMove move);

    // ConvergeX, ConvergeY: the blue figure lay left of / above the red one at the start, so
    // converging moves the red one left / up.
    bool convergeX_ = false;
    bool convergeY_ = false;
};

} // namespace trelon
