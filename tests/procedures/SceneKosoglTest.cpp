// The angle measurement's scenes: the tangent scale with its arrow in both phases, and the
// two-part pictures with the size check.
#include "SceneFixture.h"
#include "config/Settings.h"
#include "stimulus/PlaceFigure.h"

namespace trelon::test {
namespace {

class SceneKosoglScale : public SceneFixture {
protected:
    void SetUp() override {
        openScreen(QSize(1024, 768));
        useProgramPictures();
        selectProcedure(1, 2, 1);
    }
};

// ppd = 31 at the default calibration; the centre is (512, 384).
TEST_F(SceneKosoglScale, HorizontalScaleWithTheArrowUnderTheLongTick) {
    run->BuildScene();
    const Surface& screen = primary();
    const int t = 256 - 20; // [2 * 384 / 3] - 20
    // The band across the screen, one degree high.
    EXPECT_EQ(screen.pixel(0, t), kBlue);
    EXPECT_EQ(screen.pixel(1022, t + 30), kBlue);
    EXPECT_EQ(screen.pixel(1023, t), kFon);
    EXPECT_EQ(screen.pixel(100, t - 1), kFon);
    // Ticks one degree apart hang a degree below it; the 16th (x = 511) twice as long.
    EXPECT_EQ(screen.pixel(31 * 5 + 15 + 2, t + 61), kBlue);
    EXPECT_EQ(screen.pixel(31 * 5 + 15 + 2, t + 62), kFon);
    EXPECT_EQ(screen.pixel(31 * 5 + 15 + 6, t + 40), kFon); // 6 pixels wide
    EXPECT_EQ(screen.pixel(511 + 2, t + 92), kBlue);
    EXPECT_EQ(screen.pixel(31 * 32 + 15 + 2, t + 40), kBlue); // the last one

    // "strelvert.bmp" (21 x 48) with its top at the long tick's end, centred on the tick.
    const FigureRect arrow{504, 525, 329, 377};
    EXPECT_EQ(state.run.RedRect, arrow);
    EXPECT_EQ(boxOf(screen, kRed), QRect(504, 329, 21, 48));
    EXPECT_EQ(state.run.BlueRect, kEmptyFigureRect);
    EXPECT_EQ(state.run.StartSnapshot.RedLeft0, 504);
    EXPECT_EQ(state.run.StartSnapshot.RedTop0, 329);
    EXPECT_EQ(state.run.StartSnapshot.BlueLeft0, 1000);
    EXPECT_EQ(state.run.EdgeMargin, 2);
    EXPECT_EQ(state.run.ActiveFigure, FigureRed);
    EXPECT_EQ(state.run.LastCursor, (CursorPoint{512, 384}));
    EXPECT_EQ(cursor.at, QPoint(512, 384));
    EXPECT_FALSE(cursor.visible);
}

TEST_F(SceneKosoglScale, VerticalScaleWithTheArrowRightOfTheLongTick) {
    state.run.VerticalPhase = true;
    run->BuildScene();
    const Surface& screen = primary();
    const int u = 512 - 93 - 40; // the band's left
    EXPECT_EQ(screen.pixel(u, 0), kBlue);
    EXPECT_EQ(screen.pixel(u + 30, 767), kBlue);
    EXPECT_EQ(screen.pixel(u - 1, 100), kFon);
    // Ticks to the band's right, a degree long and 6 high; the 12th reaches cx - 40.
    EXPECT_EQ(screen.pixel(u + 61, 31 * 5 + 7), kBlue);
    EXPECT_EQ(screen.pixel(u + 61, 31 * 5 + 13), kFon);
    EXPECT_EQ(screen.pixel(u + 62, 31 * 5 + 10), kFon);
    EXPECT_EQ(screen.pixel(471, 31 * 12 + 10), kBlue);
    EXPECT_EQ(screen.pixel(u + 61, 31 * 24 + 7), kBlue); // j runs to 768 div 31

    // "strelhor.bmp" (48 x 21) at x = cx - 40, centred on the long tick.
    EXPECT_EQ(state.run.RedRect, (FigureRect{472, 520, 372, 393}));
    EXPECT_EQ(boxOf(screen, kRed), QRect(472, 372, 48, 21));
    EXPECT_EQ(state.run.ActiveFigure, FigureRed);
}

class SceneKosoglPicture : public SceneFixture {
protected:
    void SetUp() override {
        openScreen(QSize(200, 200));
        selectProcedure(1, 2, 2); // "Домик"
        // A house 20 wide and 100 high: blue above, red below.
        savePicture(QStringLiteral("dom.bmp"), 20, 100,
                    [](int, int y) { return y < 50 ? QColor(Qt::blue) : QColor(Qt::red); });
    }
};

TEST_F(SceneKosoglPicture, HalfTheScreenHighIsStillShown) {
    state.run.ActiveFigure = FigureRed; // left from an earlier run
    run->BuildScene();
    EXPECT_TRUE(dialogs.informations.isEmpty());
    EXPECT_EQ(boxOf(primary(), kBlue), QRect(90, 50, 20, 50));
    EXPECT_EQ(boxOf(primary(), kRed), QRect(90, 100, 20, 50));
    EXPECT_EQ(state.run.BlueRect, (FigureRect{90, 109, 50, 99}));
    EXPECT_EQ(state.run.RedRect, (FigureRect{90, 109, 100, 149}));
    const FigureSnapshot& s = state.run.StartSnapshot;
    EXPECT_EQ(s.BlueLeft0, 90);
    EXPECT_EQ(s.RedLeft0, 90);
    EXPECT_EQ(s.RedTop0, 100);
    EXPECT_EQ(s.BlueTop0, 50);
    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
    EXPECT_EQ(cursor.at, QPoint(100, 100));
    EXPECT_TRUE(cursor.visible);
}

TEST_F(SceneKosoglPicture, SizeFactorAndSmallSizeScaleThePicture) {
    state.settings.PictureFactors[PicDom] = 0.8;
    state.session.SizeScotomaItem = 1; // "Маленький": 0.75
    run->BuildScene();
    EXPECT_DOUBLE_EQ(state.scene.FigureScale, 0.6);
    EXPECT_EQ(boxOf(primary(), kBlue) | boxOf(primary(), kRed), QRect(94, 70, 12, 60));
}

TEST_F(SceneKosoglPicture, TallerThanHalfTheScreenIsRefused) {
    state.settings.PictureFactors[PicDom] = 1.01;
    primary().fill(7);
    run->BuildScene();
    EXPECT_EQ(
        dialogs.informations,
        QStringList{QStringLiteral("Слишком большой размер рисунка. Исправьте - Ctrl+Shift+F3.")});
    EXPECT_EQ(entriesOn(primary()), QSet<int>{kFon});
    EXPECT_EQ(state.run.RedRect, kEmptyFigureRect);
    EXPECT_EQ(state.run.BlueRect, kEmptyFigureRect);
    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
}

TEST_F(SceneKosoglPicture, MissingPictureIsToldAndTheScreenCleared) {
    selectProcedure(1, 2, 3); // "Fish.bmp" is not in the folder
    primary().fill(7);
    run->BuildScene();
    EXPECT_EQ(dialogs.informations,
              QStringList{QStringLiteral("Не удалось загрузить рисунок Fish.bmp")});
    EXPECT_EQ(entriesOn(primary()), QSet<int>{kFon});
    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
}

} // namespace
} // namespace trelon::test
