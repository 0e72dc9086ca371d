// The input rules on their own: key steps and the edge rule, the mouse speed limit, the
// margins and clamps of mouse moves, the cursor's re-centring and the fusion test's keys.
#include "stimulus/InputRules.h"

#include <gtest/gtest.h>

namespace trelon {
namespace {

constexpr QSize kClient(1024, 768);

FigureRect box(int left, int right, int top, int bottom) {
    return {static_cast<std::uint16_t>(left), static_cast<std::uint16_t>(right),
            static_cast<std::uint16_t>(top), static_cast<std::uint16_t>(bottom)};
}

TEST(InputRulesTest, ShiftStepsFourUpAndFiveOtherwise) {
    EXPECT_EQ(arrowStep(Qt::Key_Up, false), 1);
    EXPECT_EQ(arrowStep(Qt::Key_Down, false), 1);
    EXPECT_EQ(arrowStep(Qt::Key_Up, true), 4);
    EXPECT_EQ(arrowStep(Qt::Key_Down, true), 5);
    EXPECT_EQ(arrowStep(Qt::Key_Left, true), 5);
    EXPECT_EQ(arrowStep(Qt::Key_Right, true), 5);
    EXPECT_EQ(arrowMove(Qt::Key_Up, 4), (FigureMove{0, -4}));
    EXPECT_EQ(arrowMove(Qt::Key_Left, 5), (FigureMove{-5, 0}));
    EXPECT_EQ(arrowMove(Qt::Key_Home, 5), (FigureMove{}));
}

TEST(InputRulesTest, EdgeRuleStopsAtStepPlusMarginInTheKeysDirection) {
    // Margin 2, step 5: 7 pixels of room are needed.
    EXPECT_TRUE(arrowBlockedByEdge(Qt::Key_Up, box(100, 200, 7, 300), 5, 2, kClient));
    EXPECT_FALSE(arrowBlockedByEdge(Qt::Key_Up, box(100, 200, 8, 300), 5, 2, kClient));
    EXPECT_TRUE(arrowBlockedByEdge(Qt::Key_Left, box(7, 200, 100, 300), 5, 2, kClient));
    EXPECT_FALSE(arrowBlockedByEdge(Qt::Key_Left, box(8, 200, 100, 300), 5, 2, kClient));
    EXPECT_TRUE(arrowBlockedByEdge(Qt::Key_Down, box(100, 200, 100, 761), 5, 2, kClient));
    EXPECT_FALSE(arrowBlockedByEdge(Qt::Key_Down, box(100, 200, 100, 760), 5, 2, kClient));
    EXPECT_TRUE(arrowBlockedByEdge(Qt::Key_Right, box(100, 1017, 100, 300), 5, 2, kClient));
    EXPECT_FALSE(arrowBlockedByEdge(Qt::Key_Right, box(100, 1016, 100, 300), 5, 2, kClient));
    // Right also stops a figure that sits at the bottom edge; the other edges do not matter.
    EXPECT_TRUE(arrowBlockedByEdge(Qt::Key_Right, box(100, 200, 100, 761), 5, 2, kClient));
    EXPECT_FALSE(arrowBlockedByEdge(Qt::Key_Up, box(0, 1023, 100, 767), 5, 2, kClient));
}

TEST(InputRulesTest, MouseSpeedLimitAtEachBoundKeepsTheSign) {
    const std::pair<int, int> table[] = {
        {0, 0},  {1, 1},  {3, 1},  {4, 2},  {7, 2},  {8, 3},  {10, 3}, {11, 4}, {12, 4}, {13, 5},
        {14, 5}, {15, 6}, {16, 6}, {17, 7}, {18, 7}, {19, 8}, {20, 8}, {21, 9}, {500, 9}};
    for (const auto& [delta, limited] : table) {
        EXPECT_EQ(limitMouseDelta(delta), limited) << delta;
        EXPECT_EQ(limitMouseDelta(-delta), -limited) << -delta;
    }
}

TEST(InputRulesTest, MouseMoveMarginIsCheckedPerAxisOnTheMovedBox) {
    const FigureRect figure = box(10, 100, 10, 100);
    EXPECT_FALSE(mouseMoveHitsMargin(figure, {-8, 0}, 2, kClient).any());
    EXPECT_TRUE(mouseMoveHitsMargin(figure, {-9, 0}, 2, kClient).horizontal);
    EXPECT_FALSE(mouseMoveHitsMargin(figure, {-9, 0}, 2, kClient).vertical);
    const EdgeHit up = mouseMoveHitsMargin(figure, {3, -9}, 2, kClient);
    EXPECT_TRUE(up.vertical);
    EXPECT_FALSE(up.horizontal);
    // The far edges: Right may reach 1021, Bottom 765.
    EXPECT_FALSE(mouseMoveHitsMargin(box(900, 1011, 600, 755), {10, 10}, 2, kClient).any());
    EXPECT_TRUE(mouseMoveHitsMargin(box(900, 1011, 600, 755), {11, 11}, 2, kClient).horizontal);
    EXPECT_TRUE(mouseMoveHitsMargin(box(900, 1011, 600, 755), {11, 11}, 2, kClient).vertical);
}

TEST(InputRulesTest, VerticalClampSlowsOnlyPastTheLimits) {
    // Up: Bottom - dy beyond height - margin gives -1.
    EXPECT_EQ(clampVerticalNearEdge(-5, box(0, 10, 700, 760), 768, 10), -1);
    EXPECT_EQ(clampVerticalNearEdge(-5, box(0, 10, 700, 753), 768, 10), -5);
    // Down: Top - dy under the margin gives 1.
    EXPECT_EQ(clampVerticalNearEdge(5, box(0, 10, 14, 100), 768, 10), 1);
    EXPECT_EQ(clampVerticalNearEdge(5, box(0, 10, 15, 100), 768, 10), 5);
    EXPECT_EQ(clampVerticalNearEdge(0, box(0, 10, 0, 767), 768, 10), 0);
}

TEST(InputRulesTest, ScotomaDiagonalsKeepTenPixelsPlusTheMoveFromTheirEdge) {
    // Direction 5 moving up 3: the mark's top must stay at least 13.
    EXPECT_TRUE(scotomaDiagonalRefused(5, {3, -3}, box(500, 560, 12, 70), 768));
    EXPECT_FALSE(scotomaDiagonalRefused(5, {3, -3}, box(500, 560, 13, 70), 768));
    // Moving back towards the centre is always allowed, and 1..4 are never refused.
    EXPECT_FALSE(scotomaDiagonalRefused(5, {-3, 3}, box(500, 560, 0, 70), 768));
    EXPECT_FALSE(scotomaDiagonalRefused(2, {0, -3}, box(500, 560, 0, 70), 768));
    // Direction 8 moving down 4: 14 rows below the Bottom are needed (767 - 753 = 14).
    EXPECT_FALSE(scotomaDiagonalRefused(8, {4, 4}, box(500, 560, 700, 753), 768));
    EXPECT_TRUE(scotomaDiagonalRefused(8, {4, 4}, box(500, 560, 700, 754), 768));
}

TEST(InputRulesTest, CursorRecentresOnTheFiguresMiddleNearAnEdge) {
    const FigureRect figure = box(400, 500, 300, 340); // middle (450, 320)
    EXPECT_EQ(recentredCursor({5, 200}, figure, kClient, 5), QPoint(450, 200));
    EXPECT_EQ(recentredCursor({6, 200}, figure, kClient, 5), std::nullopt);
    // Right and bottom: closer than 25 pixels (1024 - 1000 = 24, 768 - 744 = 24).
    EXPECT_EQ(recentredCursor({999, 200}, figure, kClient, 5), std::nullopt);
    EXPECT_EQ(recentredCursor({1000, 200}, figure, kClient, 5), QPoint(450, 200));
    EXPECT_EQ(recentredCursor({999, 743}, figure, kClient, 5), std::nullopt);
    EXPECT_EQ(recentredCursor({999, 744}, figure, kClient, 5), QPoint(999, 320));
    // Top: the procedure's margin; a corner re-centres both coordinates.
    EXPECT_EQ(recentredCursor({300, 35}, figure, kClient, 36), QPoint(300, 320));
    EXPECT_EQ(recentredCursor({300, 36}, figure, kClient, 36), std::nullopt);
    EXPECT_EQ(recentredCursor({1023, 0}, figure, kClient, 5), QPoint(450, 320));
}

TEST(InputRulesTest, FusionKeysFollowVariantAndFilter) {
    // Variants 1, 2: the blue figure moves right (+1) in 1 with filter 1 and 2 with filter 2.
    EXPECT_EQ(fusionDirection(1, 1), 1);
    EXPECT_EQ(fusionDirection(1, 2), -1);
    EXPECT_EQ(fusionDirection(2, 1), -1);
    EXPECT_EQ(fusionDirection(2, 2), 1);
    EXPECT_EQ(fusionDirection(3, 1), -1);
    EXPECT_EQ(fusionDirection(3, 2), 1);
    EXPECT_EQ(fusionDirection(4, 1), 1);
    EXPECT_EQ(fusionDirection(4, 2), -1);

    // Variant 3, filter 1: the red image comes from the left; meeting right edges cross.
    const FigureRect blue = box(500, 600, 300, 400);
    EXPECT_FALSE(fusionImagesCrossed(3, 1, blue, box(499, 599, 300, 400)));
    EXPECT_TRUE(fusionImagesCrossed(3, 1, blue, box(500, 600, 300, 400)));
    // Variant 4, filter 1: the blue image comes from the left.
    EXPECT_TRUE(fusionImagesCrossed(4, 1, blue, box(499, 599, 300, 400)));
    EXPECT_FALSE(fusionImagesCrossed(4, 1, blue, box(501, 601, 300, 400)));
    EXPECT_TRUE(fusionImagesCrossed(4, 2, blue, box(501, 601, 300, 400)));
    EXPECT_FALSE(fusionImagesCrossed(1, 1, blue, box(0, 1000, 300, 400)));

    EXPECT_TRUE(fusionMoveBlocked(box(7, 100, 0, 0), -5, 5, 2, 1024));
    EXPECT_FALSE(fusionMoveBlocked(box(8, 100, 0, 0), -5, 5, 2, 1024));
    EXPECT_TRUE(fusionMoveBlocked(box(900, 1017, 0, 0), 5, 5, 2, 1024));
    EXPECT_FALSE(fusionMoveBlocked(box(900, 1016, 0, 0), 5, 5, 2, 1024));
}

} // namespace
} // namespace trelon
