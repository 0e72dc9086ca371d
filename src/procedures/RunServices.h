#pragma once
// What a procedure asks of the run it belongs to: scenes, moves, the flicker clock, the
// screen, answers and closing. StimulusRun implements it; a procedure sees nothing else of
// the frame.
#include <QSize>
#include <QString>
#include <cstdint>

namespace trelon {

class Surface;

class RunServices {
public:
    virtual ~RunServices() = default;

    // Scenes.
    // The common frame of a new picture, then the procedure's scene.
    virtual void BuildScene() = 0;
    // Home: the current step starts again on a cleared screen.
    virtual void RestartStep() = 0;

    // Figures.
    // Moves the active figure by (dx, dy) after the procedure's clamps, by its move rules.
    virtual void MoveFigure(int dx, int dy) = 0;
    // No figure is active until the rest clock (TimerMove) ticks; then figure is again.
    virtual void restFigure(std::int16_t figure) = 0;
    virtual bool figureResting() const = 0;
    // The cursor jumps back onto the active figure when it came near an edge.
    virtual void recentreCursor(int x, int y, int topMargin) = 0;

    // Flicker.
    // The flicker clock (TimerM) ticks every tickMs from now on; stopFlickerClock stops it.
    virtual void startFlickerClock(int tickMs) = 0;
    virtual void stopFlickerClock() = 0;
    // The flicker toggles instead of a key or before a mouse move when due and its clock runs;
    // true when it did.
    virtual bool ToggleFlickerIfDue() = 0;
    // Stops the flicker and puts the full scene back on the screen before a capture.
    virtual void ShowWholeScene() = 0;

    // Screen.
    virtual QSize screenSize() const = 0;
    // The primary surface, made when there is none.
    virtual Surface* primary() = 0;
    // The number n at the lower right of the screen (" сек" after it once a result is shown).
    virtual void ShowTimeBox(int n) = 0;
    // Error box titled with the window's caption.
    virtual void ShowDisplayError(const QString& message) = 0;

    // Answers and closing.
    // The figures' positions become the session's record, shown, stored and sounded.
    virtual void CaptureResult() = 0;
    virtual void CloseWindow() = 0;

protected:
    RunServices() = default;
    RunServices(const RunServices&) = default;
    RunServices& operator=(const RunServices&) = default;
};

} // namespace trelon
