// Ring labels of the scotoma map and the rounding they use.
#include "stimulus/ScotomaMapLabels.h"
#include "common/Rounding.h"

#include <gtest/gtest.h>

namespace trelon {
namespace {

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(-2.6), -3);
    EXPECT_EQ(roundHalfEven(31.03), 31);
}

TEST(ScotomaRingDegreesTest, TruncatedToATenthAfterRoundingHundredths) {
    // 200 cm: 25, 50, 75 hundredths -> 0.2, 0.5, 0.7 (truncated, not rounded).
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(1, 200), 0.2);
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(2, 200), 0.5);
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(3, 200), 0.7);
    // 50 cm: whole degrees.
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(1, 50), 1.0);
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(3, 50), 3.0);
    // 300 cm: 16.67 -> 17 hundredths -> 0.1; 33.3 -> 33 -> 0.3; 50 -> 0.5.
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(1, 300), 0.1);
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(2, 300), 0.3);
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(3, 300), 0.5);
    // 400 cm: 12.5 hundredths rounds to the even 12 -> 0.1; 37.5 -> 38 -> 0.3.
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(1, 400), 0.1);
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(3, 400), 0.3);
    // 100 cm, ring 25: 12.5 degrees.
    EXPECT_DOUBLE_EQ(scotomaRingDegrees(25, 100), 12.5);
}

TEST(ScotomaRingDegreesTest, NoDistanceGivesZeroInsteadOfDividingByIt) {
    EXPECT_EQ(scotomaRingDegrees(1, 0), 0);
    EXPECT_EQ(scotomaRingDegrees(1, -50), 0);
}

TEST(ShortestDecimalTest, ShortestFormWithDecimalComma) {
    EXPECT_EQ(shortestDecimal(1), QStringLiteral("1"));
    EXPECT_EQ(shortestDecimal(-3), QStringLiteral("-3"));
    EXPECT_EQ(shortestDecimal(0.5), QStringLiteral("0,5"));
    EXPECT_EQ(shortestDecimal(-0.2), QStringLiteral("-0,2"));
    EXPECT_EQ(shortestDecimal(12.5), QStringLiteral("12,5"));
    EXPECT_EQ(shortestDecimal(7 / 10.0), QStringLiteral("0,7"));
    EXPECT_EQ(shortestDecimal(-0.0), QStringLiteral("0"));
    EXPECT_EQ(shortestDecimal(120), QStringLiteral("120"));
}

} // namespace
} // namespace trelon
