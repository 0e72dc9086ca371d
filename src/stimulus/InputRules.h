#pragma once
// The rules that turn the patient's keys and mouse deltas into figure moves, kept apart from
// the run so each can be checked on its own: key steps and the edge rule, the mouse speed
// limit, the margins a mouse move must keep, the cursor's re-centring and the disparity
// keys of the fusion test.
#include "state/RunState.h"
#include "stimulus/MoveClamps.h"

#include <QPoint>
#include <QSize>
#include <optional>

namespace trelon {

// Up, Down, Left or Right.
bool isArrowKey(int key);

// The pixels one arrow key press moves: 1; with Shift 4 for Up and 5 for the others.
int arrowStep(int key, bool shift);

// The move of an arrow key press by step pixels; (0, 0) for any other key.
FigureMove arrowMove(int key, int step);

// The common edge rule: an arrow key that would bring box within margin + step of the
// window edge in its direction is ignored. Right also stops near the bottom edge.
bool arrowBlockedByEdge(int key, const FigureRect& box, int step, int margin, QSize client);
// The edge rule of a figure kept to scotoma direction 1..8: the key's move along the
// direction's line is ignored when it would bring box within margin + step of an edge it
// goes towards (so Right, which moves the figure of a diagonal from the bottom upwards, does
// not look at the bottom edge). Another direction takes the common rule.
bool arrowBlockedAlongDirection(int key, const FigureRect& box, int step, int margin, QSize client,
                                int direction);

// The mouse speed limit: a delta of magnitude 1..3 gives 1, 4..7 2, 8..10 3, 11..12 4,
// 13..14 5, 15..16 6, 17..18 7, 19..20 8, 21 and more 9, keeping its sign; 0 stays 0.
int limitMouseDelta(int delta);

// Which parts of a mouse move would bring box within margin of a window edge.
struct EdgeHit {
    bool horizontal = false;
    bool vertical = false;

    bool any() const { return horizontal || vertical; }
};
EdgeHit mouseMoveHitsMargin(const FigureRect& box, FigureMove move, int margin, QSize client);

// The vertical clamp of mouse moves in the procedures without margin rules of their own:
// dy becomes -1 when moving up and the red figure's Bottom - dy would pass
// clientHeight - margin, and 1 when moving down and its Top - dy would fall under margin.
int clampVerticalNearEdge(int dy, const FigureRect& red, int clientHeight, int margin);

// The scotoma test's diagonal directions: a move (already on the direction's line) that
// would bring the mark within 10 pixels plus the move's size of the top edge (directions
// 5, 6) or the bottom edge (7, 8) is refused.
bool scotomaDiagonalRefused(int direction, FigureMove move, const FigureRect& mark,
                            int clientHeight);

// Where the cursor is put back when it came too close to an edge: closer than 6 pixels to
// the left, 25 to the right or the bottom, topMargin to the top. The coordinate of that
// axis becomes the middle of the active figure's box; the other stays. Nothing when the
// cursor is far enough from every edge.
std::optional<QPoint> recentredCursor(QPoint cursor, const FigureRect& active, QSize client,
                                      int topMargin);

// The fusion test's disparity keys. The direction h (+1 or -1) of the blue figure's
// horizontal moves for variant 1..4 and the filter position.
int fusionDirection(int variant, int filterPosition);
// Variants 3 and 4: the two images have crossed (their right edges met or passed).
bool fusionImagesCrossed(int variant, int filterPosition, const FigureRect& blue,
                         const FigureRect& red);
// Whether a horizontal move of box by dx brings it within step + margin of the left or
// right window edge.
bool fusionMoveBlocked(const FigureRect& box, int dx, int step, int margin, int clientWidth);

} // namespace trelon
