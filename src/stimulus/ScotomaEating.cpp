#include "stimulus/ScotomaEating.h"

#include "display/Surface.h"
#include "state/RoleColours.h"
#include "stimulus/ScotomaDirections.h"

#include <algorithm>
#include <cmath>

namespace trelon {

namespace {

constexpr double kInverseRoot2 = 0.70710678118654752440;

// The bite band of the trap and the bee: its start inside the target's left edge (plus one
// millimetre) and its end inside the right edge; the disc is 14 pixels inside the half-width.
constexpr int kBiteStart = 40;
constexpr int kBiteEnd = 23;
constexpr int kDiscInset = 14;

// The wedge: half-width at the centre, and the tangent of its half-angle (30 degrees).
constexpr double kWedgeTip = 3.0;
constexpr double kWedgeSpread = 0.57735026918962576451;

// Unit vector from the target's centre towards where a figure of direction 1..8 comes from
// (screen y grows downwards).
QPointF incomingLine(int direction) {
    const ScotomaDirection* d = scotomaDirection(direction);
    if (d == nullptr) {
        return {0, 0};
    }
    const double scale = d->diagonal() ? kInverseRoot2 : 1.0;
    return {d->fromX * scale, d->fromY * scale};
}

bool diagonal(int direction) {
    const ScotomaDirection* d = scotomaDirection(direction);
    return d != nullptr && d->diagonal();
}

int width(const FigureRect& box) {
    return box.Right - box.Left;
}

int height(const FigureRect& box) {
    return box.Bottom - box.Top;
}

QRect toRect(const FigureRect& box) {
    return QRect(QPoint(box.Left, box.Top), QPoint(box.Right, box.Bottom));
}

double dot(QPointF a, QPointF b) {
    return a.x() * b.x() + a.y() * b.y();
}

} // namespace

QPointF boxCentre(const FigureRect& box) {
    return {(box.Left + box.Right) / 2.0, (box.Top + box.Bottom) / 2.0};
}

PixelRegion biteRegion(const FigureRect& target, int figureLeft, int millimetre,
                       bool upperHalfOnly) {
    if (figureLeft < target.Left + kBiteStart + millimetre ||
        figureLeft > target.Right - kBiteEnd) {
        return {};
    }
    const QPointF c = boxCentre(target);
    const double radius = width(target) / 2.0 - kDiscInset;
    if (radius <= 0) {
        return {};
    }
    const int top = static_cast<int>(std::floor(c.y() - radius));
    const int bottom = static_cast<int>(std::ceil(upperHalfOnly ? c.y() : c.y() + radius));
    return {QRect(QPoint(figureLeft - 1, top), QPoint(figureLeft, bottom)),
            [c, radius, upperHalfOnly](int x, int y) {
                const double dx = x - c.x();
                const double dy = y - c.y();
                return dx * dx + dy * dy <= radius * radius && (!upperHalfOnly || y < c.y());
            }};
}

double leadingDistance(int direction, const FigureRect& figure, QPointF centre) {
    const QPointF u = incomingLine(direction);
    if (u.isNull()) {
        return 0;
    }
    const double extent = diagonal(direction) ? std::min(width(figure), height(figure))
                          : u.x() != 0        ? width(figure)
                                              : height(figure);
    return dot(boxCentre(figure) - centre, u) - extent / 2.0;
}

PixelRegion wedgeRegion(const FigureRect& target, int direction, double before, double after,
                        int millimetre) {
    const QPointF u = incomingLine(direction);
    // On a diagonal the front's horizontal offset from the centre, kept within the
    // half-width shortened by 1 / sqrt 2, is the distance along the line within the
    // half-width.
    const double halfExtent =
        u.y() == 0 || diagonal(direction) ? width(target) / 2.0 : height(target) / 2.0;
    const double reach = halfExtent - millimetre;
    if (u.isNull() || after <= 0 || after > reach) {
        return {};
    }
    const double nearEnd = after - 1;
    const double farEnd = std::min(std::max(before, after), reach);
    const QPointF c = boxCentre(target);
    const QPointF across(-u.y(), u.x());
    return {toRect(target), [=](int x, int y) {
                const QPointF p(x - c.x(), y - c.y());
                const double along = dot(p, u);
                return along >= nearEnd && along <= farEnd &&
                       std::fabs(dot(p, across)) <= kWedgeTip + along * kWedgeSpread;
            }};
}

bool eatTarget(Surface& surface, const PixelRegion& region, const PaletteIndices& indices) {
    const QRect area = region.bounds.intersected(surface.rect());
    if (area.isEmpty()) {
        return true;
    }
    SurfaceLock access;
    if (!succeeded(surface.lock(access))) {
        return false;
    }
    const auto blue = static_cast<std::uint8_t>(indices.IndexBlue);
    const auto red = static_cast<std::uint8_t>(indices.IndexRed);
    const auto fon = static_cast<std::uint8_t>(indices.IndexFon);
    const auto all = static_cast<std::uint8_t>(indices.IndexAll);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::uint8_t* row = access.bits + y * access.pitch;
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!region.contains(x, y)) {
                continue;
            }
            if (row[x] == blue) {
                row[x] = fon;
            } else if (row[x] == all) {
                row[x] = red;
            }
        }
    }
    surface.unlock(area);
    return true;
}

} // namespace trelon
