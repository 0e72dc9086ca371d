#include "stimulus/ScotomaDirections.h"

namespace trelon {

namespace {

int leadingCoordinate(int travel, int low, int high) {
    return travel < 0 ? low : travel > 0 ? high : (low + high) / 2;
}

} // namespace

QPoint leadingPoint(const FigureRect& box, const ScotomaDirection& direction) {
    return QPoint(leadingCoordinate(direction.travelX(), box.Left, box.Right),
                  leadingCoordinate(direction.travelY(), box.Top, box.Bottom));
}

int leadingEdge(const FigureRect& box, const ScotomaDirection& direction) {
    if (direction.travelX() != 0) {
        return direction.travelX() < 0 ? box.Left : box.Right;
    }
    return direction.travelY() < 0 ? box.Top : box.Bottom;
}

} // namespace trelon
