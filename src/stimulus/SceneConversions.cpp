#include "stimulus/SceneConversions.h"

#include "common/Rounding.h"
#include "config/Settings.h"

#include <cmath>

namespace trelon {

int roundPixels(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= kPixelLimit) {
        return kPixelLimit;
    }
    if (x <= -kPixelLimit) {
        return -kPixelLimit;
    }
    return static_cast<int>(roundHalfEven(x));
}

int mmToPixels(double mm, double mmPerPixel) {
    return roundPixels(mm / mmPerPixel);
}

int pixelsPerDegree(const Settings& settings) {
    return roundPixels(settings.MmPerDegree / settings.MmPerPixel);
}

int scaledLength(int n, double scale) {
    return roundPixels(n * scale);
}

} // namespace trelon
