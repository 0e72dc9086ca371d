#include "stimulus/FigureMovement.h"

#include "display/DisplayDevice.h"
#include "platform/Dialogs.h"
#include "state/SharedState.h"
#include "stimulus/ComposePixel.h"
#include "stimulus/MoveClamps.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace trelon {

namespace {

QString moveFailedText() {
    return QStringLiteral("Ошибка обработки движения - № 1");
}

// The stimulus window fills the screen.
QSize clientSize(const DisplayObjects& display) {
    if (display.DisplayDevice) {
        return display.DisplayDevice->screenSize();
    }
    if (display.PrimarySurface) {
        return display.PrimarySurface->rect().size();
    }
    return display.SceneSurface ? display.SceneSurface->rect().size() : QSize();
}

bool isEmpty(const FigureRect& box) {
    return box.Left > box.Right || box.Top > box.Bottom;
}

QRect toRect(const FigureRect& box) {
    return QRect(QPoint(box.Left, box.Top), QPoint(box.Right, box.Bottom));
}

// Where a move is drawn, by the flicker state.
struct RedrawPlan {
    bool moves = true;         // false: nothing is drawn and the box stays
    bool aux = false;          // compose on AuxSurface (the full scene while flickering)
    bool primary = false;      // compose on PrimarySurface (after AuxSurface)
    bool primaryToAux = false; // then copy the box from the primary to AuxSurface
    bool scene = false;        // compose on SceneSurface, then copy the box to the primary
    bool sceneToPrimary = true;
};

RedrawPlan planRedraw(const SharedState& state, int figure, const MoveRules& rules) {
    const bool flickering = rules.flickerDecides && FlickerPeriodMs(state.session) != 0;
    const int variant = state.session.FlickerVariant;
    RedrawPlan plan;
    if (flickering && variant == 4) {
        // The figures show in turn: red while AlternatePhase is set, blue while it is clear.
        const bool shown = (figure == FigureRed) == state.run.AlternatePhase;
        plan.moves = shown || rules.hiddenInTurnMoves;
        plan.aux = plan.moves;
        plan.primary = shown;
        return plan;
    }
    const bool oneImageFlickers = flickering && (variant == 1 || variant == 2);
    if (oneImageFlickers && !state.run.FlickerOn) {
        // Hidden now: the move shows when the image returns from AuxSurface.
        plan.aux = true;
        return plan;
    }
    if (oneImageFlickers || rules.composeOnScreen) {
        plan.primary = true;
        plan.primaryToAux = oneImageFlickers;
        return plan;
    }
    plan.scene = true;
    // The whole picture blanked: the move shows when the picture returns from SceneSurface.
    plan.sceneToPrimary = !(flickering && variant == 3 && !state.run.FlickerOn);
    return plan;
}

// Recomposes a box of a surface for one move of one figure.
class BoxComposer {
public:
    BoxComposer(const QRect& box, FigureMove move, const MovingEntries& entries)
        : box_(box), move_(move), entries_(entries),
          row_(static_cast<std::size_t>(std::max(box.width(), 0))) {}

    // Every pixel of the box gets ComposePixel of the pixel move_ away behind it and of
    // itself. Rows run from the far side of the move, so no source row is overwritten
    // before it is read; within a row the sources are copied aside first. A source off the
    // surface is background: nothing of a figure comes in from beyond the edge. False when
    // some pixel of the box lies off the surface; those are left alone.
    bool composeOn(Surface* surface) {
        if (surface == nullptr) {
            return false;
        }
        SurfaceLock access;
        if (!succeeded(surface->lock(access))) {
            return false;
        }
        const QRect area = box_.intersected(surface->rect());
        const bool complete = area == box_;
        // Columns of the area whose source column lies on the surface too.
        const int left = std::max(area.left(), move_.dx);
        const int right = std::min(area.right(), surface->width() - 1 + move_.dx);
        const int width = area.width();
        const int count = right - left + 1;
        const int rows = area.height();
        for (int i = 0; i < rows; ++i) {
            const int y = move_.dy > 0 ? area.bottom() - i : area.top() + i;
            const int sourceY = y - move_.dy;
            std::uint8_t* target = access.bits + y * access.pitch + area.left();
            const bool sourceRowOn = sourceY >= 0 && sourceY < surface->height();
            if (sourceRowOn && count == width) {
                const std::uint8_t* source =
                    access.bits + sourceY * access.pitch + area.left() - move_.dx;
                if (move_.dy == 0) {
                    std::memcpy(row_.data(), source, static_cast<std::size_t>(count));
                    source = row_.data();
                }
                composeRow(source, target, width, entries_);
                continue;
            }
            std::fill(row_.begin(), row_.begin() + width, entries_.fon);
            if (sourceRowOn && count > 0) {
                std::memcpy(row_.data() + (left - area.left()),
                            access.bits + sourceY * access.pitch + left - move_.dx,
                            static_cast<std::size_t>(count));
            }
            composeRow(row_.data(), target, width, entries_);
        }
        // On the primary only the box counts as changed.
        surface->unlock(area);
        return complete;
    }

private:
    QRect box_;
    FigureMove move_;
    MovingEntries entries_;
    std::vector<std::uint8_t> row_;
};

// Copies box of source onto the same place of target.
bool copyBox(Surface* target, Surface* source, const QRect& box) {
    return target != nullptr && source != nullptr &&
           succeeded(target->bltFast(box.left(), box.top(), *source, box));
}

// The move the rules allow for box, before it is drawn.
FigureMove allowedMove(const RunState& run, const FigureRect& box, FigureMove move, QSize client,
                       const MoveRules& rules) {
    if (rules.keepToDirection) {
        move = restrictToDirection(move, run.StepNo);
    }
    return keepInsideWindow(
        move, box, client,
        edgeKeepingFor(rules.keepToDirection, run.StepNo, run.EdgeMargin, client.height()));
}

} // namespace

void MoveFigure(SharedState& state, Dialogs& dialogs, const QString& caption, int dx, int dy,
                const MoveRules& rules) {
    RunState& run = state.run;
    const QSize client = clientSize(state.display);
    const int figure = run.ActiveFigure;
    const bool figureActive = figure == FigureBlue || figure == FigureRed;
    FigureRect& box = figure == FigureRed ? run.RedRect : run.BlueRect;

    if (run.SkipFirstMove) {
        run.SkipFirstMove = false;
        return;
    }
    if (!figureActive || isEmpty(box)) {
        return;
    }
    const FigureMove move = allowedMove(run, box, FigureMove{dx, dy}, client, rules);
    if (move == FigureMove{}) {
        return;
    }
    const RedrawPlan plan = planRedraw(state, figure, rules);
    if (!plan.moves) {
        return;
    }

    const QRect old = toRect(box);
    const QRect changed = old.united(old.translated(move.dx, move.dy));
    BoxComposer composer(changed, move, movingEntries(figure, state.indices));
    DisplayObjects& display = state.display;
    bool complete = true;
    if (plan.aux) {
        complete = composer.composeOn(display.AuxSurface.get()) && complete;
    }
    if (plan.primary) {
        complete = composer.composeOn(display.PrimarySurface.get()) && complete;
        if (plan.primaryToAux) {
            complete = copyBox(display.AuxSurface.get(), display.PrimarySurface.get(), changed) &&
                       complete;
        }
    }
    if (plan.scene) {
        complete = composer.composeOn(display.SceneSurface.get()) && complete;
        if (plan.sceneToPrimary) {
            complete = copyBox(display.PrimarySurface.get(), display.SceneSurface.get(), changed) &&
                       complete;
        }
    }
    // Shown after the surfaces are unlocked: the box waits for the operator.
    if (!complete) {
        dialogs.error(caption, moveFailedText());
    }

    box.Left = static_cast<std::uint16_t>(box.Left + move.dx);
    box.Right = static_cast<std::uint16_t>(box.Right + move.dx);
    box.Top = static_cast<std::uint16_t>(box.Top + move.dy);
    box.Bottom = static_cast<std::uint16_t>(box.Bottom + move.dy);
}

} // namespace trelon
