// The rules that shape a move before it is drawn: the scotoma line, the target clamp of the
// scotoma training, the scale's axis and the keeping inside the window.
#include "stimulus/MoveClamps.h"
#include "support/MovementFixture.h"

namespace trelon::test {
namespace {

struct DirectionCase {
    int direction;
    FigureMove move;
    FigureMove expected;
};

TEST(MoveRulesTest, ScotomaMovesKeepToTheLineOfTheirDirection) {
    const DirectionCase cases[] = {
        {1, {-3, 2}, {-3, 0}},  {3, {2, -5}, {2, 0}},  {2, {4, 1}, {0, 1}},  {4, {-4, -2}, {0, -2}},
        {5, {0, -3}, {3, -3}},  {5, {-4, 1}, {-4, 4}}, {7, {2, 5}, {-5, 5}}, {7, {3, -3}, {3, -3}},
        {6, {1, -3}, {-3, -3}}, {6, {4, 2}, {4, 4}},   {8, {-2, 6}, {6, 6}}, {8, {-5, 0}, {-5, -5}},
        {9, {2, 3}, {2, 3}},
    };
    for (const DirectionCase& c : cases) {
        EXPECT_EQ(restrictToDirection(c.move, c.direction), c.expected)
            << "direction " << c.direction << " move " << c.move.dx << ", " << c.move.dy;
    }
}

TEST(MoveRulesTest, ScaleKeepsTheAxisBeingMeasured) {
    EXPECT_EQ(keepScaleAxis({3, -2}, false), (FigureMove{3, 0}));
    EXPECT_EQ(keepScaleAxis({3, -2}, true), (FigureMove{0, -2}));
}

// Scotoma training on a 400 x 300 screen, target 180..219 x 130..169, one millimetre 3 px.
struct TargetCase {
    int direction;
    FigureRect figure;
    FigureMove move;
    FigureMove expected;
};

TEST(MoveRulesTest, TrainingMoveReachingTheTargetBecomesOnePixelUntilPastTheCentreLine) {
    const FigureRect target{180, 219, 130, 169};
    const QPoint centre(200, 150);
    const TargetCase cases[] = {
        {1, {222, 260, 140, 160}, {-5, 1}, {-1, 0}}, // reaches the target's right edge
        {1, {226, 260, 140, 160}, {-5, 1}, {-5, 1}}, // still short of it
        {1, {203, 240, 140, 160}, {-5, 0}, {-5, 0}}, // leading edge past cx + 1 mm
        {1, {222, 260, 140, 160}, {4, 0}, {4, 0}},   // moving away from the target
        {5, {221, 260, 100, 120}, {-2, 2}, {-1, 1}}, // diagonal step
        {3, {150, 180, 140, 160}, {6, 0}, {1, 0}},   // Right already at the target's left
        {3, {150, 179, 140, 160}, {6, 0}, {6, 0}},   // no look-ahead for rightward travel
        {6, {150, 180, 100, 120}, {2, 2}, {1, 1}},
        {6, {170, 203, 100, 120}, {2, 2}, {2, 2}}, // Right at cx + 1 mm
        {2, {190, 210, 100, 128}, {0, 3}, {0, 1}},
        {2, {190, 210, 100, 128}, {0, -3}, {0, -3}}, // moving away
        {2, {190, 210, 120, 153}, {0, 3}, {0, 3}},   // Bottom at cy + 1 mm
        {4, {190, 210, 172, 200}, {0, -3}, {0, -1}},
        {4, {190, 210, 147, 200}, {0, -3}, {0, -3}}, // Top at cy - 1 mm
    };
    for (const TargetCase& c : cases) {
        EXPECT_EQ(clampTravelAtTarget(c.move, c.direction, c.figure, target, centre, 3), c.expected)
            << "direction " << c.direction << " left " << c.figure.Left << " move " << c.move.dx
            << ", " << c.move.dy;
    }
}

TEST(MoveRulesTest, FiguresKeepTwoRowsFromTopAndBottomAndStayOnTheScreen) {
    const QSize client(100, 80);
    const EdgeKeeping keeping = edgeKeepingFor(false, 0, 2, 80);
    EXPECT_EQ(keepInsideWindow({1, -5}, {10, 20, 5, 9}, client, keeping), (FigureMove{1, -3}));
    EXPECT_EQ(keepInsideWindow({0, 6}, {10, 20, 60, 74}, client, keeping), (FigureMove{0, 3}));
    EXPECT_EQ(keepInsideWindow({0, -1}, {10, 20, 2, 9}, client, keeping), (FigureMove{0, 0}));
    EXPECT_EQ(keepInsideWindow({-4, 0}, {2, 20, 5, 9}, client, keeping), (FigureMove{-2, 0}));
    EXPECT_EQ(keepInsideWindow({7, 2}, {80, 95, 5, 9}, client, keeping), (FigureMove{4, 2}));
    // A box reaching over both edges (a full-height band) cannot move vertically, but a box
    // already beyond an edge may move back.
    EXPECT_EQ(keepInsideWindow({0, 3}, {10, 20, 0, 79}, client, keeping), (FigureMove{0, 0}));
    EXPECT_EQ(keepInsideWindow({0, 3}, {10, 20, 0, 9}, client, keeping), (FigureMove{0, 3}));
}

TEST(MoveRulesTest, ScotomaFiguresKeepThreeRowsAndDiagonalsClipBothParts) {
    const QSize client(100, 80);
    const EdgeKeeping straight = edgeKeepingFor(true, 2, 5, 80);
    EXPECT_EQ(keepInsideWindow({0, -4}, {10, 20, 5, 9}, client, straight), (FigureMove{0, -2}));
    const EdgeKeeping up = edgeKeepingFor(true, 5, 10, 80);
    EXPECT_EQ(keepInsideWindow({4, -4}, {60, 70, 5, 9}, client, up), (FigureMove{2, -2}));
    EXPECT_EQ(keepInsideWindow({5, -5}, {60, 97, 30, 40}, client, up), (FigureMove{2, -2}));
    // Directions 7 and 8 stop altogether at client height - EdgeMargin.
    const EdgeKeeping down = edgeKeepingFor(true, 8, 10, 80);
    EXPECT_EQ(keepInsideWindow({2, 2}, {20, 30, 50, 67}, client, down), (FigureMove{2, 2}));
    EXPECT_EQ(keepInsideWindow({2, 2}, {20, 30, 50, 68}, client, down), (FigureMove{0, 0}));
    EXPECT_EQ(keepInsideWindow({-2, -2}, {20, 30, 50, 75}, client, down), (FigureMove{-2, -2}));
}

class MovementRulesRunTest : public MovementFixture {};

TEST_F(MovementRulesRunTest, ScotomaDirectionFiveTurnsAnUpwardMoveIntoTheDiagonal) {
    selectProcedure(1, 3);
    state.run.StepNo = 5;
    state.run.EdgeMargin = 10;
    placeFigures(QRect(5, 60, 4, 4), QRect(80, 10, 20, 20));
    move(0, -3);
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(83, 7, 20, 20)));
    EXPECT_EQ(pixelsOf(primary()), expectedScene());
}

TEST_F(MovementRulesRunTest, TrainingMoveOntoTheTargetAdvancesOnePixel) {
    selectProcedure(0, 1);
    state.settings.MmPerPixel = 0.29; // one millimetre: 3 pixels
    state.run.StepNo = 1;
    placeFigures(QRect(50, 35, 20, 20), QRect(72, 35, 20, 20));
    move(-5, 2);
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(71, 35, 20, 20)));
}

} // namespace
} // namespace trelon::test
