// Redrawing a moved figure on the surfaces: overlaps, what a move may touch, and which
// surfaces each flicker state composes.
#include "support/MovementFixture.h"

namespace trelon::test {
namespace {

class MovementRedrawTest : public MovementFixture {};

TEST_F(MovementRedrawTest, FigureMovedOverTheOtherShowsBothAndRestoresItWhenMovedAway) {
    placeFigures(QRect(20, 30, 20, 20), QRect(60, 30, 20, 20));
    const Pixels start = pixelsOf(primary());
    for (int i = 0; i < 10; ++i) {
        move(-3, 0);
    }
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(30, 30, 20, 20)));
    EXPECT_EQ(primary().pixel(35, 36), state.indices.IndexAll); // blue and red both cover it
    EXPECT_EQ(pixelsOf(primary()), expectedScene());
    EXPECT_EQ(pixelsOf(scene()), expectedScene());

    for (int i = 0; i < 10; ++i) {
        move(3, 0);
    }
    EXPECT_EQ(pixelsOf(primary()), start);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Moves in every direction, by less and by more than the figure's size, over the other
// figure: the screen always equals the scene drawn afresh.
TEST_F(MovementRedrawTest, EveryMoveGivesTheSceneDrawnAfresh) {
    placeFigures(QRect(40, 30, 25, 20), QRect(50, 35, 18, 22));
    const int moves[][2] = {{3, 0},  {0, 3},   {-3, 0}, {0, -3}, {2, 2},   {-2, 2},
                            {2, -2}, {-2, -2}, {1, 7},  {-9, 1}, {30, -4}, {-30, 4}};
    for (const auto& step : moves) {
        for (const int figure : {FigureRed, FigureBlue}) {
            state.run.ActiveFigure = static_cast<std::int16_t>(figure);
            move(step[0], step[1]);
            ASSERT_EQ(pixelsOf(primary()), expectedScene())
                << "figure " << figure << " moved by " << step[0] << ", " << step[1];
        }
    }
}

TEST_F(MovementRedrawTest, MoveChangesNothingOutsideTheUnionOfOldAndNewBox) {
    placeFigures(QRect(30, 20, 30, 30), QRect(45, 30, 30, 30));
    const QRect unionBox(45, 30, 33, 30);
    const Pixels before = pixelsOf(primary());
    move(3, 0);
    const Pixels after = pixelsOf(primary());
    const std::vector<int> changed = differences(before, after);
    ASSERT_FALSE(changed.empty());
    for (const int i : changed) {
        EXPECT_TRUE(unionBox.contains(i % kClientWidth, i / kClientWidth)) << i;
    }
    // The screen is told of no change outside that box either.
    ASSERT_FALSE(observer.boxes.empty());
    for (const QRect& box : observer.boxes) {
        EXPECT_TRUE(unionBox.contains(box)) << box.x() << "," << box.y();
    }
    EXPECT_EQ(pixelsOf(aux()), before); // no flicker: the full scene is not touched
}

TEST_F(MovementRedrawTest, ComposesTheScreenDirectlyInTheScotomaTestAndTheScale) {
    for (const bool scale : {false, true}) {
        if (scale) {
            selectProcedure(1, 2);
            state.session.ObjectNumber = 1;
        } else {
            selectProcedure(1, 3);
            state.run.StepNo = 1;
        }
        placeFigures(QRect(10, 10, 10, 10), QRect(60, 40, 10, 10));
        const Pixels before = pixelsOf(scene());
        move(-2, 0);
        EXPECT_EQ(pixelsOf(primary()), expectedScene()) << scale;
        EXPECT_EQ(pixelsOf(scene()), before) << scale;
        EXPECT_EQ(pixelsOf(aux()), before) << scale;
    }
}

TEST_F(MovementRedrawTest, SkipFirstMoveOnlyClearsTheFlag) {
    placeFigures(QRect(10, 10, 10, 10), QRect(60, 40, 10, 10));
    const Pixels before = pixelsOf(primary());
    state.run.SkipFirstMove = true;
    move(4, 0);
    EXPECT_FALSE(state.run.SkipFirstMove);
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(60, 40, 10, 10)));
    EXPECT_EQ(pixelsOf(primary()), before);
    move(4, 0);
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(64, 40, 10, 10)));
}

TEST_F(MovementRedrawTest, NoActiveFigureOrAnEmptyBoxMovesNothing) {
    placeFigures(QRect(10, 10, 10, 10), QRect(60, 40, 10, 10));
    const Pixels before = pixelsOf(primary());
    state.run.ActiveFigure = FigureNone;
    move(4, 0);
    state.run.ActiveFigure = FigureBlue;
    state.run.BlueRect = {1000, 0, 1000, 0}; // a picture without a blue part
    move(-4, -4);
    EXPECT_EQ(state.run.BlueRect, (FigureRect{1000, 0, 1000, 0}));
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(60, 40, 10, 10)));
    EXPECT_EQ(pixelsOf(primary()), before);
}

TEST_F(MovementRedrawTest, HiddenRedImageMovesOnlyOnTheFullSceneAndShowsThereWhenItReturns) {
    startFlicker(1);
    placeFigures(QRect(20, 30, 20, 20), QRect(60, 30, 20, 20));
    toggle(); // the red image hides
    ASSERT_FALSE(state.run.FlickerOn);
    const Pixels hidden = pixelsOf(primary());

    move(-5, 0);
    EXPECT_EQ(pixelsOf(primary()), hidden);
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(55, 30, 20, 20)));
    EXPECT_EQ(pixelsOf(aux()), expectedScene());

    toggle(); // it returns, at its new place
    EXPECT_TRUE(state.run.FlickerOn);
    EXPECT_EQ(pixelsOf(primary()), expectedScene());
}

TEST_F(MovementRedrawTest, VisibleFlickeringImageMovesOnTheScreenAndTheFullScene) {
    startFlicker(2);
    placeFigures(QRect(20, 30, 20, 20), QRect(60, 30, 20, 20));
    const Pixels sceneBefore = pixelsOf(scene());
    state.run.ActiveFigure = FigureBlue;
    move(3, 3);
    EXPECT_EQ(pixelsOf(primary()), expectedScene());
    EXPECT_EQ(pixelsOf(aux()), expectedScene());
    EXPECT_EQ(pixelsOf(scene()), sceneBefore);
}

TEST_F(MovementRedrawTest, AlternatingFlickerMovesOnlyTheFigureShownNow) {
    startFlicker(4);
    selectProcedure(0, 1); // the scotoma training's moves
    placeFigures(QRect(20, 30, 20, 20), QRect(60, 30, 20, 20));
    state.run.AlternatePhase = true;
    toggle(); // the red figure hides; the blue one shows
    ASSERT_FALSE(state.run.AlternatePhase);
    const Pixels shown = pixelsOf(primary());
    const Pixels full = pixelsOf(aux());

    move(-4, 0); // the red figure is hidden: it cannot be moved
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(60, 30, 20, 20)));
    EXPECT_EQ(pixelsOf(primary()), shown);
    EXPECT_EQ(pixelsOf(aux()), full);

    state.run.ActiveFigure = FigureBlue;
    move(4, 0);
    EXPECT_EQ(state.run.BlueRect, toFigureRect(QRect(24, 30, 20, 20)));
    EXPECT_EQ(pixelsOf(aux()), expectedScene());
    toggle(); // now the blue figure hides and the red one may move
    state.run.ActiveFigure = FigureRed;
    move(-4, 0);
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(56, 30, 20, 20)));
    EXPECT_EQ(pixelsOf(aux()), expectedScene());
}

TEST_F(MovementRedrawTest, PixelsThatCannotBeComposedAreReportedOnceAndTheMoveGoesOn) {
    startFlicker(1);
    placeFigures(QRect(20, 30, 20, 20), QRect(60, 30, 20, 20));
    toggle();
    // A full scene smaller than the screen: part of the box lies outside it.
    state.display.AuxSurface = makeSurface(*device(), 70, 90);
    move(-5, 0);
    ASSERT_EQ(dialogs.errors,
              QStringList{QStringLiteral("Stimulus|Ошибка обработки движения - № 1")});
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(55, 30, 20, 20)));

    // A surface that cannot be locked: one message for the move, the box still moves.
    selectProcedure(1, 2);
    device()->setForcedFailures([] {
        DisplayFailures failures;
        failures.lock = true;
        return failures;
    }());
    move(-5, 0);
    EXPECT_EQ(dialogs.errors.size(), 2);
    EXPECT_EQ(state.run.RedRect, toFigureRect(QRect(50, 30, 20, 20)));
}

} // namespace
} // namespace trelon::test
