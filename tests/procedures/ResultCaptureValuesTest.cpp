// The computations of result capture, with values worked out by hand. The screen scale is the
// default one (145 mm per 500 pixels, 8.9 mm per degree) at 100 cm, so one pixel is
// 0.29 / 8.9 x 0.5 = 0.016292... degrees.
#include "procedures/ResultCapture.h"
#include "results/VisionTypes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace trelon::test {
namespace {

const DegreeScale kScale{145 / 500.0, 89 / 10.0, 100};

CaptureGeometry geometry(FigureRect blue, FigureRect red, FigureSnapshot start = {},
                         Offset reference = {}) {
    return {blue, red, start, reference, QSize(1024, 768)};
}

TEST(ResultCaptureRounding, HundredPixelsAtOneMetreIsOnePointSix) {
    EXPECT_NEAR(kScale.degrees(100), 1.6292134831, 1e-9);
    EXPECT_DOUBLE_EQ(tenth(kScale.degrees(100)), 1.6);
    // 162.92 hundredths round to 163, of which whole tenths are 16.
    EXPECT_DOUBLE_EQ(tenthByHundredths(kScale.degrees(100)), 1.6);
}

TEST(ResultCaptureRounding, TenthByHundredthsDropsTheLastDigitInsteadOfRounding) {
    EXPECT_DOUBLE_EQ(tenthByHundredths(1.66), 1.6);
    EXPECT_DOUBLE_EQ(tenth(1.66), 1.7);
    // Hundredths are rounded first: 1.996 is 200 hundredths, 1.994 is 199.
    EXPECT_DOUBLE_EQ(tenthByHundredths(1.996), 2.0);
    EXPECT_DOUBLE_EQ(tenthByHundredths(1.994), 1.9);
}

TEST(ResultCaptureRounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_DOUBLE_EQ(tenth(0.25), 0.2);
    EXPECT_DOUBLE_EQ(tenth(0.75), 0.8);
    EXPECT_DOUBLE_EQ(tenth(-0.25), -0.2);
    EXPECT_DOUBLE_EQ(whole(2.5), 2);
    EXPECT_DOUBLE_EQ(whole(3.5), 4);
    EXPECT_DOUBLE_EQ(tenthByHundredths(0.125), 0.1); // 12.5 hundredths round to 12
}

TEST(ResultCaptureRounding, ValuesThatAreNotFiniteDoNotOverflow) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(tenth(infinity), infinity);
    EXPECT_TRUE(std::isnan(tenthByHundredths(std::nan(""))));
    EXPECT_DOUBLE_EQ(whole(1e300), 1e300);
}

TEST(ResultCaptureColourTest, FieldsOnAScreen1024Wide) {
    // The band starts at (1024 - 600) / 2 = 212; fields are 84 pixels wide.
    EXPECT_EQ(colourTestField(212, 1024), 1);
    EXPECT_EQ(colourTestField(295, 1024), 1);
    EXPECT_EQ(colourTestField(296, 1024), 2);
    EXPECT_EQ(colourTestField(799, 1024), 7);
    EXPECT_EQ(colourTestField(800, 1024), 8);
    // Division toward zero: up to 83 pixels left of the band is still field 1.
    EXPECT_EQ(colourTestField(129, 1024), 1);
    EXPECT_EQ(colourTestField(128, 1024), 0);
}

TEST(ResultCaptureColourTest, SwappedFiltersExchangeTheEyesAndTheSquintDirection) {
    const QStringList& texts = VisionTypeTexts();
    const int swapped[] = {2, 1, 4, 3, 6, 5, 7}; // eyes and squint direction
    for (int field = 1; field <= 7; ++field) {
        EXPECT_EQ(colourTestVisionText(field, 1), texts[field - 1]);
        EXPECT_EQ(colourTestVisionText(field, 2), texts[swapped[field - 1] - 1]);
    }
    EXPECT_FALSE(colourTestVisionText(0, 1));
    EXPECT_FALSE(colourTestVisionText(8, 2));
}

TEST(ResultCaptureObjects, CaptionsAreCutToTwelveCharacters) {
    const QStringList items = {QStringLiteral("Шкала"), QStringLiteral("Тринадцать букв")};
    EXPECT_EQ(objectItemName(items, 1), QStringLiteral("Шкала"));
    EXPECT_EQ(objectItemName(items, 2), QStringLiteral("Тринадцать б"));
    EXPECT_EQ(objectItemName(items, 3), QString());
    EXPECT_EQ(objectItemName(items, 0), QString());
}

TEST(ResultCaptureKosogl, SwappedFiltersNegateTheHorizontalValueOnly) {
    ResultRecord record;
    record.ObjectNumber = 3;
    record.FilterPosition = 2;
    // The red picture moved 30 pixels left and 20 down from where it started.
    const auto lines = kosoglPictureValues(
        geometry({400, 479, 300, 359}, {570, 619, 320, 379}, {400, 600, 300, 300}), kScale, record);
    EXPECT_DOUBLE_EQ(record.ValueX, -0.5);
    EXPECT_DOUBLE_EQ(record.ValueY, -0.3);
    EXPECT_EQ(record.SignText, QString());
    EXPECT_EQ(record.ObjectName, QStringLiteral("Рыбка"));
    EXPECT_DOUBLE_EQ(record.ObjectSize, 1.3); // the wider figure, 79 pixels
    EXPECT_EQ(lines,
              (std::vector<ResultLine>{{QStringLiteral("По горизонтали: -0,5"), kUpperResultLine},
                                       {QStringLiteral("По вертикали: -0,3"), kLowerResultLine}}));
}

TEST(ResultCaptureKosogl, ANegatedZeroIsStoredAsPlusZero) {
    ResultRecord record;
    record.FilterPosition = 2;
    kosoglScaleValues(geometry({}, {500, 539, 300, 339}, {0, 500, 300, 0}), kScale, false, record);
    EXPECT_EQ(record.ValueX, 0);
    EXPECT_FALSE(std::signbit(record.ValueX));
}

TEST(ResultCaptureFusion, DistanceAndSizeAreTruncatedTenths) {
    ResultRecord record;
    record.ObjectNumber = 4;
    // 102 pixels apart is 1.6618 degrees: 166 hundredths, stored 1.6 (not 1.7); the red
    // figure is 41 pixels wide, 0.668 degrees, stored 0.6.
    const auto lines =
        fusionValues(geometry({702, 743, 300, 340}, {600, 641, 300, 340}), kScale, record);
    EXPECT_DOUBLE_EQ(record.ValueX, 1.6);
    EXPECT_DOUBLE_EQ(record.ObjectSize, 0.6);
    EXPECT_EQ(lines, (std::vector<ResultLine>{
                         {QStringLiteral("Границы фузии нескрещ. -1,6 град."), kLowerResultLine}}));
}

TEST(ResultCaptureTrainings, ScotomaDistanceKeepsItsSmallestValue) {
    ResultRecord record;
    record.ObjectNumber = 3;
    record.ValueX = 300;
    const auto lines =
        scotomaTrainingValues(geometry({}, {612, 650, 300, 340}), kScale, 1, false, record);
    EXPECT_DOUBLE_EQ(record.ValueX, 1.6); // 100 pixels right of the centre, as a distance
    EXPECT_EQ(record.ObjectName, QStringLiteral("Самолет (8)"));
    EXPECT_EQ(lines, (std::vector<ResultLine>{
                         {QStringLiteral("По горизонтали: 1,6 град."), kUpperResultLine}}));

    record.ValueX = 1.2;
    scotomaTrainingValues(geometry({}, {612, 650, 300, 340}), kScale, 1, false, record);
    EXPECT_DOUBLE_EQ(record.ValueX, 1.2);

    record.ValueX = 0; // the target was reached
    scotomaTrainingValues(geometry({}, {612, 650, 300, 340}), kScale, 1, true, record);
    EXPECT_EQ(record.ValueX, 0);
}

TEST(ResultCaptureTrainings, KosoglMeasuresFromTheAlignedPosition) {
    ResultRecord record;
    record.ObjectNumber = 4;
    record.FilterPosition = 1;
    // Aligned with the red figure 10 pixels right of the blue one.
    const auto lines = kosoglTrainingValues(
        geometry({400, 479, 300, 359}, {350, 399, 280, 339}, {400, 310, 300, 300}, {10, 0}), kScale,
        record);
    EXPECT_DOUBLE_EQ(record.ValueX, 1.0);             // 400 + 10 - 350 = 60 pixels
    EXPECT_DOUBLE_EQ(record.DirectionValues[0], 1.6); // 400 + 10 - 310 = 100
    EXPECT_DOUBLE_EQ(record.ValueY, 0.3);             // 300 - 280 = 20
    EXPECT_EQ(record.DirectionValues[1], 0);
    EXPECT_EQ(record.ObjectName, QStringLiteral("Телефон"));
    EXPECT_DOUBLE_EQ(record.ObjectSize, 1.3);
    EXPECT_EQ(lines, (std::vector<ResultLine>{
                         {QStringLiteral("По горизонтали: +1 (1,6) град."), kUpperResultLine},
                         {QStringLiteral("По вертикали: 0,3 (0) град."), kLowerResultLine}}));
}

TEST(ResultCaptureTrainings, BifixationSizeInWholeDegreesAndSwappedFilters) {
    ResultRecord record;
    record.FilterPosition = 2;
    // The blue figure is 92 pixels wide: 1.4989 degrees, stored as 1.
    const FigureRect blue{400, 492, 300, 360};
    const FigureRect red{380, 472, 310, 370};
    const FigureSnapshot start{400, 300, 250, 300};
    const auto lines = bifixationValues(geometry(blue, red, start), kScale, record);
    EXPECT_DOUBLE_EQ(record.ObjectSize, 1);
    EXPECT_DOUBLE_EQ(record.ValueX, -0.3);
    EXPECT_DOUBLE_EQ(record.DirectionValues[0], -1.6);
    EXPECT_DOUBLE_EQ(record.ValueY, -0.2);
    EXPECT_DOUBLE_EQ(record.DirectionValues[1], 0.8);
    EXPECT_EQ(lines, (std::vector<ResultLine>{
                         {QStringLiteral("По горизонтали: -0,3 (-1,6) град."), kUpperResultLine},
                         {QStringLiteral("По вертикали: -0,2 (0,8) град."), kLowerResultLine}}));

    ResultRecord fusion;
    fusion.FilterPosition = 1;
    const auto line = fusionTrainingValues(geometry(blue, red, start), kScale, fusion);
    EXPECT_DOUBLE_EQ(fusion.ObjectSize, 1);
    EXPECT_EQ(fusion.SignText, QStringLiteral("+"));
    EXPECT_EQ(line, (std::vector<ResultLine>{
                        {QStringLiteral("По горизонтали: +0,3 град."), kUpperResultLine}}));
}

} // namespace
} // namespace trelon::test
