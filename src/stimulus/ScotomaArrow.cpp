#include "stimulus/ScotomaArrow.h"

#include "config/Settings.h"
#include "stimulus/SceneConversions.h"
#include "stimulus/ScotomaDirections.h"

#include <vector>

namespace trelon {

namespace {

constexpr int kStraightMargin = 5;
constexpr int kDiagonalMargin = 10;

// Step 5's polygon (tip at the bottom-left corner of a c by c box); the other diagonals
// mirror it.
std::vector<QPoint> diagonalPoints(const ArrowSizes& s, int c) {
    const double o = 0.8 * s.shaft;
    const double n = 0.8 * s.headStart;
    const double half = 0.4 * (s.width - s.shaft);
    const int ro = roundPixels(o);
    const int rn = roundPixels(n);
    return {{c, ro},
            {c - ro, 0},
            {c - ro - rn, rn},
            {c - roundPixels(o + n + half), roundPixels(n - half)},
            {0, c},
            {c - roundPixels(n - half), roundPixels(o + n + half)},
            {c - rn, ro + rn},
            {c, ro}};
}

} // namespace

ArrowSizes scotomaArrowSizes(const Settings& settings) {
    ArrowSizes s;
    s.length = roundPixels(settings.MmPerDegree * settings.MmPerPixel * 3 * 10);
    s.width = roundPixels(s.length / 10.0 * 6);
    s.shaft = roundPixels(s.width / 3.0);
    s.headStart = roundPixels(s.length / 2.0);
    return s;
}

int scotomaArrowMargin(int step) {
    const ScotomaDirection* d = scotomaDirection(step);
    if (d == nullptr) {
        // Numbers past the last direction keep the diagonal margin.
        return step > kScotomaDirectionCount ? kDiagonalMargin : kStraightMargin;
    }
    return d->diagonal() ? kDiagonalMargin : kStraightMargin;
}

ScotomaArrow scotomaArrow(int step, const ArrowSizes& s, QSize client) {
    const int cx = client.width() / 2;
    const int cy = client.height() / 2;
    const int m = scotomaArrowMargin(step);
    const int L = s.length;
    const int M = s.width;
    const int O = s.shaft;
    const int N = s.headStart;
    const int lo = (M - O) / 2; // the shaft's edges across the arrow
    const int hi = (M + O) / 2;
    ScotomaArrow arrow;
    switch (step) {
    case 1:
        arrow.box = QRect(2 * cx - m - L, cy - M / 2, L, M);
        arrow.points = QPolygon({{L, lo},
                                 {L - N, lo},
                                 {L - N, 0},
                                 {0, M / 2},
                                 {L - N, M},
                                 {L - N, hi},
                                 {L, hi},
                                 {L, lo}});
        return arrow;
    case 2:
        arrow.box = QRect(cx - M / 2, m, M, L);
        arrow.points =
            QPolygon({{lo, 0}, {hi, 0}, {hi, N}, {M, N}, {M / 2, L}, {0, N}, {lo, N}, {lo, 0}});
        return arrow;
    case 3:
        arrow.box = QRect(m, cy - M / 2, L, M);
        arrow.points =
            QPolygon({{0, lo}, {N, lo}, {N, 0}, {L, M / 2}, {N, M}, {N, hi}, {0, hi}, {0, lo}});
        return arrow;
    case 4:
        arrow.box = QRect(cx - M / 2, 2 * cy - m - L, M, L);
        arrow.points = QPolygon({{lo, L},
                                 {hi, L},
                                 {hi, L - N},
                                 {M, L - N},
                                 {M / 2, 0},
                                 {0, L - N},
                                 {lo, L - N},
                                 {lo, L}});
        return arrow;
    case 5:
    case 6:
    case 7:
    case 8: {
        const int c = roundPixels(0.8 * L + 0.4 * O);
        const ScotomaDirection& d = *scotomaDirection(step);
        const bool right = d.fromX > 0;
        const bool bottom = d.fromY > 0;
        const int left = right ? cx + cy - m - c : cx - cy + m;
        const int top = bottom ? client.height() - m - c : m;
        arrow.box = QRect(left, top, c, c);
        for (QPoint p : diagonalPoints(s, c)) {
            // Step 5 points down-left; 6 mirrors x, 7 both, 8 mirrors y.
            if (!right) {
                p.setX(c - p.x());
            }
            if (bottom) {
                p.setY(c - p.y());
            }
            arrow.points << p;
        }
        return arrow;
    }
    default:
        return arrow;
    }
}

} // namespace trelon
