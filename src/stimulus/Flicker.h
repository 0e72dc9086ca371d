#pragma once
// The flicker of the trainings: one figure, the whole picture or the two figures in turn
// blink. AuxSurface holds the full scene while a flicker runs; SceneSurface is where a
// picture with a figure hidden is made before it goes to the screen.
#include "state/RunState.h"

#include <functional>

namespace trelon {

class Surface;
class Timer;
struct PaletteIndices;
struct SharedState;

// Hides figure 1 (blue) or 2 (red) on a surface: inside its box widened by 1 pixel on every
// side (clipped to the surface), its own entry becomes IndexFon and IndexAll the other
// figure's entry. False when the surface cannot be locked.
bool hideFigure(Surface& surface, const FigureRect& box, int figure, const PaletteIndices& indices);

// Hides or shows the flickering image of FlickerVariant (1 the red figure, 2 the blue
// figure, 3 the whole picture, 4 the two figures in turn), then redraws the time box with
// showTimeBox(ElapsedSeconds) when it is on screen.
void ToggleFlicker(SharedState& state, const std::function<void(int)>& showTimeBox);

// Whether a toggle is due at now (milliseconds since midnight): in alternation after a full
// period; otherwise a visible image after the period, a hidden one after 200 ms.
bool flickerDue(const RunState& run, const SessionParams& session, int now);

// Milliseconds from now until the next toggle is due by flickerDue (0 when due already).
int flickerWait(const RunState& run, const SessionParams& session, int now);

// The tick of the flicker clock TimerM at now. With stopsAtTarget the clock stops once the
// target is reached and the image is visible, checked before the toggle (the tick then ends,
// leaving the image shown) and after it. When due: LastToggleTime := now, toggle.
void FlickerClockTick(SharedState& state, int now, Timer& timerM,
                      const std::function<void()>& toggle, bool stopsAtTarget);

} // namespace trelon
