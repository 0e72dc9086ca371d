#include "stimulus/Flicker.h"

#include "display/Surface.h"
#include "platform/Timer.h"
#include "state/SharedState.h"

#include <algorithm>

namespace trelon {

namespace {

// Copies all of source onto target; a missing surface copies nothing.
void copyWhole(Surface* target, Surface* source) {
    if (target != nullptr && source != nullptr) {
        target->bltFast(0, 0, *source);
    }
}

void hideOn(Surface* surface, const FigureRect& box, int figure, const PaletteIndices& indices) {
    if (surface != nullptr) {
        hideFigure(*surface, box, figure, indices);
    }
}

bool clockStops(const RunState& run, bool stopsAtTarget) {
    return stopsAtTarget && run.TargetReached && run.FlickerOn;
}

} // namespace

bool hideFigure(Surface& surface, const FigureRect& box, int figure,
                const PaletteIndices& indices) {
    SurfaceLock access;
    if (!succeeded(surface.lock(access))) {
        return false;
    }
    const auto own =
        static_cast<std::uint8_t>(figure == FigureRed ? indices.IndexRed : indices.IndexBlue);
    const auto other =
        static_cast<std::uint8_t>(figure == FigureRed ? indices.IndexBlue : indices.IndexRed);
    const auto fon = static_cast<std::uint8_t>(indices.IndexFon);
    const auto all = static_cast<std::uint8_t>(indices.IndexAll);
    const int left = std::max(box.Left - 1, 0);
    const int right = std::min(box.Right + 1, surface.width() - 1);
    const int top = std::max(box.Top - 1, 0);
    const int bottom = std::min(box.Bottom + 1, surface.height() - 1);
    for (int y = top; y <= bottom; ++y) {
        std::uint8_t* row = access.bits + y * access.pitch;
        for (int x = left; x <= right; ++x) {
            const std::uint8_t pixel = row[x];
            row[x] = pixel == own ? fon : (pixel == all ? other : pixel);
        }
    }
    const QRect changed =
        left <= right && top <= bottom ? QRect(QPoint(left, top), QPoint(right, bottom)) : QRect();
    surface.unlock(changed);
    return true;
}

void ToggleFlicker(SharedState& state, const std::function<void(int)>& showTimeBox) {
    RunState& run = state.run;
    DisplayObjects& display = state.display;
    Surface* primary = display.PrimarySurface.get();
    Surface* scene = display.SceneSurface.get();
    Surface* aux = display.AuxSurface.get();
    const int variant = state.session.FlickerVariant;

    if (variant == 4) {
        copyWhole(scene, aux);
        if (run.AlternatePhase) {
            hideOn(scene, run.RedRect, FigureRed, state.indices);
        } else {
            hideOn(scene, run.BlueRect, FigureBlue, state.indices);
        }
        copyWhole(primary, scene);
        run.AlternatePhase = !run.AlternatePhase;
    } else if (run.FlickerOn && variant == 3) {
        if (primary != nullptr) {
            primary->fill(static_cast<std::uint8_t>(state.indices.IndexFon));
        }
        run.FlickerOn = false;
    } else if (run.FlickerOn && (variant == 1 || variant == 2)) {
        copyWhole(scene, aux);
        run.FlickerOn = false;
        if (variant == 1) {
            hideOn(scene, run.RedRect, FigureRed, state.indices);
        } else {
            hideOn(scene, run.BlueRect, FigureBlue, state.indices);
        }
        copyWhole(primary, scene);
    } else if (!run.FlickerOn) {
        run.FlickerOn = true;
        copyWhole(primary, variant == 3 ? scene : aux);
    }
    if (run.TimeBoxActive && showTimeBox) {
        showTimeBox(run.ElapsedSeconds);
    }
}

bool flickerDue(const RunState& run, const SessionParams& session, int now) {
    const int elapsed = now - run.LastToggleTime;
    const int period = FlickerPeriodMs(session);
    if (session.FlickerVariant == 4 || run.FlickerOn) {
        return elapsed >= period;
    }
    return elapsed > 199;
}

int flickerWait(const RunState& run, const SessionParams& session, int now) {
    const bool shownForPeriod = session.FlickerVariant == 4 || run.FlickerOn;
    const int due = run.LastToggleTime + (shownForPeriod ? FlickerPeriodMs(session) : 200);
    return std::max(due - now, 0);
}

void FlickerClockTick(SharedState& state, int now, Timer& timerM,
                      const std::function<void()>& toggle, bool stopsAtTarget) {
    if (clockStops(state.run, stopsAtTarget)) {
        timerM.stop();
        return;
    }
    if (flickerDue(state.run, state.session, now)) {
        state.run.LastToggleTime = now;
        toggle();
    }
    if (clockStops(state.run, stopsAtTarget)) {
        timerM.stop();
    }
}

} // namespace trelon
