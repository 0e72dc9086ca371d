#include "stimulus/MoveClamps.h"

#include "stimulus/ScotomaDirections.h"
#include <algorithm>
#include <cstdlib>

namespace trelon {

namespace {

int signOf(int value) {
    return (value > 0) - (value < 0);
}

// Limits a move along one axis so that the span [low, high] stays within [first, last].
// A move away from a limit the span already lies beyond is allowed.
int clipAxis(int delta, int low, int high, int first, int last) {
    if (delta < 0 && low + delta < first) {
        return std::min(0, first - low);
    }
    if (delta > 0 && high + delta > last) {
        return std::max(0, last - high);
    }
    return delta;
}

} // namespace

FigureMove clampTravelAtTarget(FigureMove move, int direction, const FigureRect& figure,
                               const FigureRect& target, QPoint centre, int millimetre) {
    const int cx = centre.x();
    const int cy = centre.y();
    const ScotomaDirection* d = scotomaDirection(direction);
    if (d == nullptr) {
        return move;
    }
    bool reaches = false;
    bool short_ = false;
    // By the leading edge; the rightward and downward tests differ from their mirrors (the
    // right edge is tested before the move, and both compare with the centre plus a
    // millimetre).
    if (d->travelX() < 0) {
        reaches = move.dx < 0 && figure.Left + move.dx <= target.Right;
        short_ = figure.Left > cx + millimetre;
    } else if (d->travelX() > 0) {
        reaches = move.dx >= 1 && figure.Right >= target.Left;
        short_ = figure.Right < cx + millimetre;
    } else if (d->travelY() > 0) {
        reaches = move.dy >= 1 && figure.Bottom + move.dy >= target.Top;
        short_ = figure.Bottom < cy + millimetre;
    } else {
        reaches = move.dy < 0 && figure.Top + move.dy <= target.Bottom;
        short_ = figure.Top > cy - millimetre;
    }
    return reaches && short_ ? FigureMove{d->travelX(), d->travelY()} : move;
}

FigureMove keepScaleAxis(FigureMove move, bool verticalPhase) {
    if (verticalPhase) {
        move.dx = 0;
    } else {
        move.dy = 0;
    }
    return move;
}

FigureMove restrictToDirection(FigureMove move, int direction) {
    const ScotomaDirection* d = scotomaDirection(direction);
    if (d == nullptr) {
        return move;
    }
    if (d->fromY == 0) {
        return {move.dx, 0};
    }
    if (d->fromX == 0) {
        return {0, move.dy};
    }
    const bool horizontalLarger = std::abs(move.dx) >= std::abs(move.dy);
    if (d->fromX != d->fromY) { // the line up-right / down-left
        return horizontalLarger ? FigureMove{move.dx, -move.dx} : FigureMove{-move.dy, move.dy};
    }
    // the line up-left / down-right
    return horizontalLarger ? FigureMove{move.dx, move.dx} : FigureMove{move.dy, move.dy};
}

EdgeKeeping edgeKeepingFor(bool scotoma, int direction, int edgeMargin, int clientHeight) {
    EdgeKeeping keeping;
    if (!scotoma) {
        return keeping;
    }
    keeping.topBottom = 3;
    const ScotomaDirection* d = scotomaDirection(direction);
    keeping.diagonal = d != nullptr && d->diagonal();
    // The diagonals from the bottom stop short of the bottom margin.
    if (keeping.diagonal && d->fromY > 0) {
        keeping.stopBottom = clientHeight - edgeMargin;
    }
    return keeping;
}

FigureMove keepInsideWindow(FigureMove move, const FigureRect& box, QSize client,
                            const EdgeKeeping& keeping) {
    if (keeping.stopBottom >= 0 && move.dy > 0 && box.Bottom + move.dy >= keeping.stopBottom) {
        return {};
    }
    const int dy = clipAxis(move.dy, box.Top, box.Bottom, keeping.topBottom,
                            client.height() - 1 - keeping.topBottom);
    if (dy != move.dy && keeping.diagonal) {
        move.dx = signOf(move.dx) * std::abs(dy);
    }
    move.dy = dy;
    const int dx = clipAxis(move.dx, box.Left, box.Right, 0, client.width() - 1);
    if (dx != move.dx && keeping.diagonal) {
        move.dy = signOf(move.dy) * std::abs(dx);
    }
    move.dx = dx;
    return move;
}

} // namespace trelon
