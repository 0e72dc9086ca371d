#include "stimulus/InputRules.h"

#include "stimulus/ScotomaDirections.h"

#include <Qt>
#include <cstdlib>

namespace trelon {

bool isArrowKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

int arrowStep(int key, bool shift) {
    if (!shift) {
        return 1;
    }
    return key == Qt::Key_Up ? 4 : 5;
}

FigureMove arrowMove(int key, int step) {
    switch (key) {
    case Qt::Key_Up:
        return {0, -step};
    case Qt::Key_Down:
        return {0, step};
    case Qt::Key_Left:
        return {-step, 0};
    case Qt::Key_Right:
        return {step, 0};
    default:
        return {};
    }
}

bool arrowBlockedByEdge(int key, const FigureRect& box, int step, int margin, QSize client) {
    const int reach = step + margin;
    const bool nearBottom = box.Bottom >= client.height() - reach;
    switch (key) {
    case Qt::Key_Up:
        return box.Top <= reach;
    case Qt::Key_Down:
        return nearBottom;
    case Qt::Key_Left:
        return box.Left <= reach;
    case Qt::Key_Right:
        return box.Right >= client.width() - reach || nearBottom;
    default:
        return false;
    }
}

bool arrowBlockedAlongDirection(int key, const FigureRect& box, int step, int margin, QSize client,
                                int direction) {
    if (scotomaDirection(direction) == nullptr) {
        return arrowBlockedByEdge(key, box, step, margin, client);
    }
    const FigureMove move = restrictToDirection(arrowMove(key, step), direction);
    const int reach = step + margin;
    return (move.dx > 0 && box.Right >= client.width() - reach) ||
           (move.dx < 0 && box.Left <= reach) ||
           (move.dy > 0 && box.Bottom >= client.height() - reach) ||
           (move.dy < 0 && box.Top <= reach);
}

int limitMouseDelta(int delta) {
    // Upper bounds of the magnitudes that give 1, 2, ... 8; beyond the last, 9.
    static constexpr int kUpTo[] = {3, 7, 10, 12, 14, 16, 18, 20};
    const int m = std::abs(delta);
    if (m == 0) {
        return 0;
    }
    int limited = 9;
    for (int i = 0; i < 8; ++i) {
        if (m <= kUpTo[i]) {
            limited = i + 1;
            break;
        }
    }
    return delta < 0 ? -limited : limited;
}

EdgeHit mouseMoveHitsMargin(const FigureRect& box, FigureMove move, int margin, QSize client) {
    EdgeHit hit;
    if (move.dx != 0) {
        hit.horizontal =
            box.Left + move.dx < margin || box.Right + move.dx > client.width() - 1 - margin;
    }
    if (move.dy != 0) {
        hit.vertical =
            box.Top + move.dy < margin || box.Bottom + move.dy > client.height() - 1 - margin;
    }
    return hit;
}

int clampVerticalNearEdge(int dy, const FigureRect& red, int clientHeight, int margin) {
    if (dy < 0 && red.Bottom - dy > clientHeight - margin) {
        return -1;
    }
    if (dy > 0 && red.Top - dy < margin) {
        return 1;
    }
    return dy;
}

bool scotomaDiagonalRefused(int direction, FigureMove move, const FigureRect& mark,
                            int clientHeight) {
    constexpr int kKeep = 10;
    const ScotomaDirection* d = scotomaDirection(direction);
    if (d == nullptr || !d->diagonal()) {
        return false;
    }
    // Back towards the side a diagonal starts from.
    if (d->fromY < 0 && move.dy < 0) {
        return mark.Top < kKeep - move.dy;
    }
    if (d->fromY > 0 && move.dy > 0) {
        return clientHeight - 1 - mark.Bottom < kKeep + move.dy;
    }
    return false;
}

std::optional<QPoint> recentredCursor(QPoint cursor, const FigureRect& active, QSize client,
                                      int topMargin) {
    const int middleX = (active.Left + active.Right) / 2;
    const int middleY = (active.Top + active.Bottom) / 2;
    QPoint to = cursor;
    bool moved = false;
    if (cursor.x() < 6 || cursor.x() > client.width() - 25) {
        to.setX(middleX);
        moved = true;
    }
    if (cursor.y() < topMargin || cursor.y() > client.height() - 25) {
        to.setY(middleY);
        moved = true;
    }
    if (!moved) {
        return std::nullopt;
    }
    return to;
}

int fusionDirection(int variant, int filterPosition) {
    const bool filter1 = filterPosition == 1;
    const bool filter2 = filterPosition == 2;
    switch (variant) {
    case 1:
        return filter1 ? 1 : -1;
    case 2:
        return filter2 ? 1 : -1;
    case 3:
        return filter2 ? 1 : -1;
    case 4:
        return filter1 ? 1 : -1;
    default:
        return -1;
    }
}

bool fusionImagesCrossed(int variant, int filterPosition, const FigureRect& blue,
                         const FigureRect& red) {
    const bool redFromLeft =
        (variant == 3 && filterPosition == 1) || (variant == 4 && filterPosition == 2);
    const bool blueFromLeft =
        (variant == 4 && filterPosition == 1) || (variant == 3 && filterPosition == 2);
    return (redFromLeft && red.Right >= blue.Right) || (blueFromLeft && blue.Right >= red.Right);
}

bool fusionMoveBlocked(const FigureRect& box, int dx, int step, int margin, int clientWidth) {
    if (dx < 0) {
        return box.Left <= step + margin;
    }
    if (dx > 0) {
        return box.Right >= clientWidth - step - margin;
    }
    return false;
}

} // namespace trelon
