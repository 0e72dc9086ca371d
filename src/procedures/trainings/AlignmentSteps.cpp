#include "procedures/trainings/AlignmentSteps.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace trelon {

namespace {

constexpr double kNoSlope = 1000.0;

int roundedPixels(double x) {
    return static_cast<int>(roundHalfEven(x));
}

} // namespace

double pathSlope(int offX, int offY) {
    if (offX == 0 || offY == 0) {
        return kNoSlope;
    }
    return std::fabs(static_cast<double>(offX) / offY);
}

FigureMove uniformStep(int dX, int dY, double slope) {
    if (dX == 0 && dY == 0) {
        return {};
    }
    if (dY == 0) {
        return {1, 0};
    }
    if (dX == 0) {
        return {0, 1};
    }
    const double s = std::fabs(slope);
    const double r = static_cast<double>(dX) / dY;
    if (r >= 1.1 * s && s > 1) {
        return {1, 0};
    }
    if (r > 0.9 * s || s >= 1) {
        return {1, 1};
    }
    return {0, 1};
}

FigureMove pauseStep(int dX, int dY, double slope, int p) {
    p = std::max(p, 1);
    if (dX == 0 && dY == 0) {
        return {};
    }
    if (dY == 0) {
        return {std::min(dX, p), 0};
    }
    if (dX == 0) {
        return {0, std::min(dY, p)};
    }
    if (dX < p) {
        return {dX, std::min(dY, p)};
    }
    if (dY < p) {
        return {std::min(dX, p), dY};
    }
    const double s = std::fabs(slope);
    const double r = static_cast<double>(dX) / dY;
    if (r == s) {
        return {p, p};
    }
    if (r >= 1.1 * s && s > 1) {
        return {p, 0};
    }
    if (r > 0.9 * s || s >= 1) {
        if (p == 1) {
            return {1, 1};
        }
        if (r > s) {
            return {p, std::min(p, roundedPixels(s * p / r))};
        }
        return {std::min(p, roundedPixels(s * p)), p};
    }
    return {0, p};
}

} // namespace trelon
