// The scenes of the colour test, the scotoma test and the fusion reserves, and BuildScene's
// common frame, on a 1024 x 768 screen at the default calibration.
#include "SceneFixture.h"
#include "stimulus/PlaceFigure.h"

namespace trelon::test {
namespace {

constexpr QPoint kCentre(512, 384);

class SceneDiagnostics : public SceneFixture {
protected:
    void SetUp() override {
        openScreen(QSize(1024, 768));
        useProgramPictures();
    }

    // The box of every pixel that is not background.
    QRect figuresBox() {
        QRect box;
        for (int entry : {kBlue, kRed, kAll}) {
            box |= boxOf(primary(), entry);
        }
        return box;
    }
};

TEST_F(SceneDiagnostics, FrameResetsTheRunAndMakesAFreshScene) {
    selectProcedure(1, 2, 9); // no such object: the frame alone
    RunState& r = state.run;
    r.ResultShown = r.FigurePicked = r.Touched = r.TargetReached = true;
    r.ActiveFigure = FigureBlue;
    r.VerticalPhase = true;
    state.scene = {2.5, 1000, -1000, 3, 4};
    state.display.SceneSurface.reset();
    run->BuildScene();
    EXPECT_FALSE(r.ResultShown || r.FigurePicked || r.Touched || r.TargetReached);
    EXPECT_EQ(r.ActiveFigure, FigureNone);
    EXPECT_TRUE(r.VerticalPhase); // the scale's second measurement rebuilds with it
    EXPECT_EQ(state.scene.FigureScale, 1.0);
    EXPECT_EQ(state.scene.FigureOffsetX, 0);
    EXPECT_EQ(state.scene.FigureOffsetY, 0);
    EXPECT_TRUE(cursor.calls.contains(QStringLiteral("release")));
    ASSERT_TRUE(state.display.SceneSurface);
    EXPECT_EQ(state.display.SceneSurface->rect(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(entriesOn(scene()), QSet<int>{kFon});

    // Without a scene surface nothing is drawn and nothing is said.
    selectProcedure(1, 3);
    state.run.StepNo = 1;
    primary().fill(7);
    DisplayFailures failures;
    failures.createOffscreen = true;
    device()->setForcedFailures(failures);
    run->BuildScene();
    EXPECT_FALSE(state.display.SceneSurface);
    EXPECT_EQ(entriesOn(primary()), QSet<int>{7});
    EXPECT_EQ(dialogs.shownCount(), 0);
}

TEST_F(SceneDiagnostics, ColourTestDotsPanelAndCursor) {
    selectProcedure(1, 1);
    run->BuildScene();
    const Surface& screen = primary();
    // The red dot 60 mm right of the common one, radius [11 mm] = 38 pixels.
    const QRect upper(0, 0, 1024, 680);
    QRect red;
    for (int y = upper.top(); y <= upper.bottom(); ++y) {
        for (int x = 0; x < 1024; ++x) {
            if (screen.pixel(x, y) == kRed) {
                red |= QRect(x, y, 1, 1);
            }
        }
    }
    // (The emulated device context may leave the last pixel of a curve's extreme.)
    EXPECT_TRUE(QRect(581 - 38, 346 - 38, 76, 76).contains(red));
    EXPECT_TRUE(red.contains(QRect(581 - 37, 346 - 37, 74, 74)));
    EXPECT_EQ(screen.pixel(374, 346), kAll);        // x1 = 512 - [40 mm], y1 = (768 - 75) div 2
    EXPECT_EQ(screen.pixel(374, 346 + 155), kBlue); // [45 mm] below
    EXPECT_EQ(screen.pixel(374, 346 - 155), kBlue); // and [45 mm] - [90 mm] above
    EXPECT_EQ(screen.pixel(374, 346 + 155 + 39), kFon);

    // Panel: x0 = 212, rows at 709, 730, 751, cells 84 wide.
    EXPECT_EQ(screen.pixel(233, 730), kRed); // cell 1: two red dots
    EXPECT_EQ(screen.pixel(254, 730), kRed);
    EXPECT_EQ(boxOf(screen, kBlue).intersected(QRect(212, 692, 84, 76)), QRect());
    EXPECT_EQ(screen.pixel(716 + 21, 709), kBlue); // cell 7: blue, common, blue; red
    EXPECT_EQ(screen.pixel(716 + 21, 730), kAll);
    EXPECT_EQ(screen.pixel(716 + 21, 751), kBlue);
    EXPECT_EQ(screen.pixel(716 + 42, 730), kRed);
    EXPECT_EQ(screen.pixel(716 + 42, 709), kFon);
    EXPECT_EQ(screen.pixel(212 + 84 * 3 + 63, 751), kBlue); // cell 4: blue column at +63
    EXPECT_EQ(screen.pixel(212 + 84, 750), kAll);           // separator
    EXPECT_EQ(screen.pixel(212 + 585, 700), kAll);          // frame
    EXPECT_EQ(screen.pixel(500, 692), kAll);
    EXPECT_EQ(screen.pixel(500, 765), kAll);
    EXPECT_EQ(screen.pixel(500, 767), kFon);

    EXPECT_EQ(cursor.at, QPoint(212, 692));
    EXPECT_TRUE(cursor.visible);
}

TEST_F(SceneDiagnostics, ColourTestWithoutDeviceContextSaysSo) {
    selectProcedure(1, 1);
    DisplayFailures failures;
    failures.getCanvas = true;
    device()->setForcedFailures(failures);
    run->BuildScene();
    EXPECT_EQ(dialogs.errors,
              QStringList{QStringLiteral("Stimulus|Ошибка получения доступа к поверхности для "
                                         "результата: \rUnrecognized Error")});
}

TEST_F(SceneDiagnostics, ScotomaRingsArrowAndDelayedActivation) {
    selectProcedure(1, 3);
    state.run.StepNo = 1;
    run->BuildScene();
    const Surface& screen = primary();
    // Rings half a degree (15 pixels) wide: radii 15, 315, 255, 195, 135, 75.
    for (int r : {15, 75, 135, 195, 255, 315}) {
        SCOPED_TRACE(r);
        EXPECT_EQ(screen.pixel(kCentre.x() - r, kCentre.y()), kBlue);
        EXPECT_EQ(screen.pixel(kCentre.x() - r + 8, kCentre.y()), kFon);
    }
    EXPECT_EQ(screen.pixel(kCentre.x(), kCentre.y()), kFon);
    // The arrow at the right edge, 5 pixels in.
    const QRect arrow = boxOf(screen, kRed);
    EXPECT_TRUE(QRect(942, 361, 77, 46).contains(arrow));
    EXPECT_GE(arrow.width(), 76);
    EXPECT_EQ(screen.pixel(1010, 384), kRed);
    EXPECT_EQ(state.run.RedRect, (FigureRect{942, 1019, 361, 407}));
    EXPECT_EQ(state.run.BlueRect, state.run.RedRect);
    EXPECT_EQ(state.run.EdgeMargin, 5);
    EXPECT_EQ(cursor.at, QPoint(942, 361));
    EXPECT_FALSE(cursor.visible);
    EXPECT_EQ(state.run.LastCursor, (CursorPoint{942, 361}));

    // Movable only when TimerMove has ticked.
    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
    ASSERT_TRUE(timers["TimerMove"].fire());
    EXPECT_EQ(state.run.ActiveFigure, FigureRed);
    EXPECT_FALSE(timers["TimerMove"].isActive());
}

TEST_F(SceneDiagnostics, ScotomaDiagonalArrowKeepsTenPixels) {
    selectProcedure(1, 3);
    state.run.StepNo = 7;
    run->BuildScene();
    EXPECT_EQ(state.run.EdgeMargin, 10);
    EXPECT_EQ(state.run.RedRect, (FigureRect{138, 206, 690, 758}));
    // The tip points up-right, at the centre.
    EXPECT_EQ(primary().pixel(138 + 62, 690 + 6), kRed);
    EXPECT_EQ(primary().pixel(138 + 2, 690 + 66), kFon);
}

TEST_F(SceneDiagnostics, ScotomaRingsThatDoNotFitAreLeftOut) {
    openScreen(QSize(1024, 600)); // 600 - 77 - 20 = 503: room for 13 but not 17 half-degrees
    useProgramPictures();
    selectProcedure(1, 3);
    state.run.StepNo = 2;
    run->BuildScene();
    EXPECT_EQ(primary().pixel(512 - 195, 300), kBlue);
    EXPECT_EQ(primary().pixel(512 - 255, 300), kFon);
    EXPECT_EQ(primary().pixel(512 - 315, 300), kFon);
}

TEST_F(SceneDiagnostics, FusionReservesCentredObjectInBothColours) {
    // "bigcat.bmp" (180 x 190) as 6 degrees: 54 mm, 186 x 197 pixels.
    selectProcedure(1, 4, 1);
    run->BuildScene();
    const QRect figure = figuresBox();
    EXPECT_TRUE(QRect(512 - 93, 384 - 98, 186, 197).contains(figure));
    EXPECT_DOUBLE_EQ(state.scene.FigureScale, 54 / 0.29 / 180);
    EXPECT_FALSE(boxOf(primary(), kAll).isEmpty());
    // The box widened by one pixel on each side.
    const FigureRect widened{418, 605, 285, 483};
    EXPECT_EQ(state.run.BlueRect, widened);
    EXPECT_EQ(state.run.RedRect, widened);
    EXPECT_EQ(state.run.ActiveFigure, FigureBlue);
    EXPECT_EQ(state.run.EdgeMargin, 2);
    EXPECT_EQ(cursor.at, kCentre);
    EXPECT_EQ(state.run.LastCursor, (CursorPoint{512, 384}));
}

TEST_F(SceneDiagnostics, FusionLimitsStartAtOppositeEdges) {
    struct Case {
        int variant;
        int filter;
        bool blueRight;
    };
    const Case cases[] = {{3, 1, true}, {3, 2, false}, {4, 1, false}, {4, 2, true}};
    // "Бабочка" at 8 degrees: 72 mm, 248 x 199 pixels.
    state.session.ObjFuzItem = 2;
    const FigureRect left{2, 250, 384 - 99, 384 + 100};
    const FigureRect right{1024 - 2 - 248, 1024 - 2, 384 - 99, 384 + 100};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.variant << ", " << c.filter);
        selectProcedure(1, 4, c.variant);
        state.session.FilterPosition = c.filter;
        run->BuildScene();
        EXPECT_EQ(state.run.BlueRect, c.blueRight ? right : left);
        EXPECT_EQ(state.run.RedRect, c.blueRight ? left : right);
        const QRect blue = boxOf(primary(), kBlue);
        const QRect red = boxOf(primary(), kRed);
        EXPECT_EQ(blue.left() > 512, c.blueRight);
        EXPECT_EQ(red.left() > 512, !c.blueRight);
        EXPECT_TRUE(boxOf(primary(), kAll).isEmpty()); // the images do not touch
        EXPECT_EQ(state.run.ActiveFigure, FigureBlue);
        EXPECT_EQ(cursor.at, kCentre);
    }
}

} // namespace
} // namespace trelon::test
