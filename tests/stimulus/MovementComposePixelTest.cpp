// The pixel rule of a moving figure, and the row loop that applies it.
#include "state/RunState.h"
#include "stimulus/ComposePixel.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace trelon::test {
namespace {

constexpr std::uint8_t B = 21, R = 22, F = 23, A = 24;

struct Row {
    int figure;
    std::uint8_t source;
    std::uint8_t current;
    std::uint8_t result;
};

// Every pair the rule changes.
const Row kChanging[] = {
    {FigureBlue, A, F, B}, {FigureBlue, B, F, B}, {FigureBlue, B, R, A}, {FigureBlue, A, R, A},
    {FigureBlue, F, B, F}, {FigureBlue, R, B, F}, {FigureBlue, R, A, R}, {FigureBlue, F, A, R},
    {FigureRed, A, F, R},  {FigureRed, R, F, R},  {FigureRed, R, B, A},  {FigureRed, A, B, A},
    {FigureRed, F, R, F},  {FigureRed, B, R, F},  {FigureRed, B, A, B},  {FigureRed, F, A, B},
};

TEST(ComposePixelTest, ChangesExactlyTheNamedPairsAndLeavesEveryOtherPair) {
    const PaletteIndices indices;
    for (const int figure : {FigureBlue, FigureRed}) {
        for (int source = 0; source < 256; ++source) {
            for (int current = 0; current < 256; ++current) {
                std::uint8_t expected = static_cast<std::uint8_t>(current);
                for (const Row& row : kChanging) {
                    if (row.figure == figure && row.source == source && row.current == current) {
                        expected = row.result;
                    }
                }
                ASSERT_EQ(ComposePixel(figure, static_cast<std::uint8_t>(source),
                                       static_cast<std::uint8_t>(current), indices),
                          expected)
                    << "figure " << figure << " source " << source << " current " << current;
            }
        }
    }
}

TEST(ComposePixelTest, FollowsTheEntryNumbersAndIgnoresNoFigure) {
    PaletteIndices indices;
    indices.IndexBlue = 101;
    indices.IndexRed = 102;
    indices.IndexFon = 103;
    indices.IndexAll = 104;
    EXPECT_EQ(ComposePixel(FigureRed, 102, 101, indices), 104);
    EXPECT_EQ(ComposePixel(FigureBlue, 103, 104, indices), 102);
    EXPECT_EQ(ComposePixel(FigureRed, R, F, indices), F); // old numbers are plain colours now
    EXPECT_EQ(ComposePixel(FigureNone, 102, 103, indices), 103);
}

// The row loop works 16 pixels at a time; every length around that must give the same
// pixels as the rule one by one.
TEST(ComposePixelTest, RowLoopMatchesThePixelRuleForAnyLength) {
    const PaletteIndices indices;
    std::mt19937 random(5);
    const std::uint8_t values[] = {B, R, F, A, 0, 7, 255};
    std::uniform_int_distribution<int> pick(0, 6);
    for (const int figure : {FigureBlue, FigureRed}) {
        const MovingEntries entries = movingEntries(figure, indices);
        for (const int length : {0, 1, 15, 16, 17, 33, 200}) {
            std::vector<std::uint8_t> source(length), target(length), expected(length);
            for (int i = 0; i < length; ++i) {
                source[i] = values[pick(random)];
                target[i] = values[pick(random)];
                expected[i] = ComposePixel(figure, source[i], target[i], indices);
            }
            composeRow(source.data(), target.data(), length, entries);
            EXPECT_EQ(target, expected) << "figure " << figure << " length " << length;
        }
    }
}

} // namespace
} // namespace trelon::test
