// Pixel conversions of the scenes and the scotoma arrow's geometry.
#include "config/Settings.h"
#include "stimulus/SceneConversions.h"
#include "stimulus/ScotomaArrow.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace trelon {
namespace {

TEST(SceneConversions, RoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(roundPixels(2.5), 2);
    EXPECT_EQ(roundPixels(3.5), 4);
    EXPECT_EQ(roundPixels(0.5), 0);
    EXPECT_EQ(roundPixels(-2.5), -2);
    EXPECT_EQ(roundPixels(-3.5), -4);
    EXPECT_EQ(roundPixels(2.5000001), 3);
    EXPECT_EQ(roundPixels(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(roundPixels(std::numeric_limits<double>::infinity()), kPixelLimit);
    EXPECT_EQ(roundPixels(-1e300), -kPixelLimit);
}

TEST(SceneConversions, DefaultCalibration) {
    const Settings defaults;
    EXPECT_EQ(pixelsPerDegree(defaults), 31);           // 8.9 / 0.29 = 30.69
    EXPECT_EQ(mmToPixels(11, defaults.MmPerPixel), 38); // the four-dot radius
    EXPECT_EQ(mmToPixels(40, defaults.MmPerPixel), 138);
    EXPECT_EQ(scaledLength(5, 0.5), 2); // 2.5 -> 2
    EXPECT_EQ(scaledLength(7, 0.5), 4); // 3.5 -> 4
}

TEST(ScotomaArrow, SizesAtTheDefaultCalibration) {
    const ArrowSizes s = scotomaArrowSizes(Settings());
    EXPECT_EQ(s.length, 77);    // 8.9 * 0.29 * 30 = 77.43
    EXPECT_EQ(s.width, 46);     // 46.2
    EXPECT_EQ(s.shaft, 15);     // 15.33
    EXPECT_EQ(s.headStart, 38); // 38.5, half to even
}

TEST(ScotomaArrow, EightDirectionsOnA1024By768Screen) {
    const ArrowSizes s = scotomaArrowSizes(Settings());
    const QSize client(1024, 768);
    struct Expected {
        QRect box;
        QPolygon points;
    };
    const Expected expected[] = {
        // 1: from the right, tip at the left.
        {QRect(942, 361, 77, 46),
         QPolygon({{77, 15}, {39, 15}, {39, 0}, {0, 23}, {39, 46}, {39, 30}, {77, 30}, {77, 15}})},
        // 2: from the top, tip at the bottom.
        {QRect(489, 5, 46, 77),
         QPolygon({{15, 0}, {30, 0}, {30, 38}, {46, 38}, {23, 77}, {0, 38}, {15, 38}, {15, 0}})},
        // 3: from the left.
        {QRect(5, 361, 77, 46),
         QPolygon({{0, 15}, {38, 15}, {38, 0}, {77, 23}, {38, 46}, {38, 30}, {0, 30}, {0, 15}})},
        // 4: from the bottom.
        {QRect(489, 686, 46, 77),
         QPolygon({{15, 77}, {30, 77}, {30, 39}, {46, 39}, {23, 0}, {0, 39}, {15, 39}, {15, 77}})},
        // 5..8: a 68-pixel box at the corners of the centred square, 10 pixels in.
        {QRect(818, 10, 68, 68),
         QPolygon({{68, 12}, {56, 0}, {26, 30}, {13, 18}, {0, 68}, {50, 55}, {38, 42}, {68, 12}})},
        {QRect(138, 10, 68, 68),
         QPolygon({{0, 12}, {12, 0}, {42, 30}, {55, 18}, {68, 68}, {18, 55}, {30, 42}, {0, 12}})},
        {QRect(138, 690, 68, 68),
         QPolygon({{0, 56}, {12, 68}, {42, 38}, {55, 50}, {68, 0}, {18, 13}, {30, 26}, {0, 56}})},
        {QRect(818, 690, 68, 68),
         QPolygon({{68, 56}, {56, 68}, {26, 38}, {13, 50}, {0, 0}, {50, 13}, {38, 26}, {68, 56}})},
    };
    for (int step = 1; step <= 8; ++step) {
        SCOPED_TRACE(step);
        const ScotomaArrow arrow = scotomaArrow(step, s, client);
        EXPECT_EQ(arrow.box, expected[step - 1].box);
        EXPECT_EQ(arrow.points, expected[step - 1].points);
        EXPECT_EQ(scotomaArrowMargin(step), step <= 4 ? 5 : 10);
    }
    EXPECT_TRUE(scotomaArrow(9, s, client).box.isEmpty());
    EXPECT_TRUE(scotomaArrow(0, s, client).points.isEmpty());
}

} // namespace
} // namespace trelon
