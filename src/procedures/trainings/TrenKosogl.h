#pragma once
// Strabismus training with flicker ("Устранение косоглазия. Мелькания."): the patient picks one
// of the two eye images of a picture and brings it to the aligned position by hand or lets it
// step there automatically, optionally flickering; the offsets from the aligned position are
// stored.
#include "procedures/Procedure.h"

#include <cstdint>

namespace trelon {

class TrenKosogl final : public Procedure {
public:
    TrenKosogl(ProcedureKind kind, RunServices& frame, SharedState& state,
               const PlatformSeams& seams);

    void start() override;
    void composeScene() override;
    void homeKey() override;
    void enterKey() override;
    void arrowKey(int key, bool shift) override;
    void mouseDown(Qt::MouseButton button, int x, int y) override;
    // Once a figure was picked, the clicks belong to the modes (not even the flicker stops).
    void click() override;
    // While the procedure clock runs the mouse moves nothing.
    void mouseMove(int x, int y) override;
    void clockTick() override;
    bool prepareCapture() override;
    CapturedValues captureValues(const CaptureGeometry& at, const DegreeScale& scale) override;

private:
    // The distance of the pair from the aligned position, red minus blue minus the reference.
    Offset offsetFromAligned() const;
    // StartSnapshot and PathSlope when a mode's clock starts.
    void takeMovementStart();
    // One step towards the aligned position of the given component sizes, signed towards it
    // and applied to the active figure.
    void stepTowardsAlignment(FigureMove size);
    // In the automatic modes the run ends by itself once aligned: true when it ended.
    bool endIfAligned();
    void manualClick(Qt::MouseButton button);
    void pauseModeClick();
    void uniformModeClick();
    void manualTick();
    void pauseModeTick();
    void uniformModeTick();
    // A pause or stop of the automatic modes: the flicker stops with the whole picture shown.
    void stopFlickerShowingAll();
    // Both clocks stop and the answer is taken.
    void stopAndCapture();

    // ReferenceOffset: RedLeft - BlueLeft and RedTop - BlueTop when the scene was built, the
    // aligned position.
    Offset referenceOffset_;
    // The flicker frequency chosen on the set-up screen (hertz, 0 none): until a figure is
    // picked the session's flicker period holds it; each picking click sets the period from it.
    std::uint16_t flickerHz_ = 0;
    // The automatic modes' ticks: since the last step (TickCount) and since the mode started
    // (the "5Sec.wav" count).
    int tickCount_ = 0;
    int ticksRunning_ = 0;
    // The mode with pauses is paused with its flicker stopped, to resume with the steps.
    bool flickerPaused_ = false;
};

} // namespace trelon
