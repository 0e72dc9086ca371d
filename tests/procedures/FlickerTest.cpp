// Hiding and showing the flickering image for the four variants.
#include "support/MovementFixture.h"

namespace trelon::test {
namespace {

class FlickerTest : public MovementFixture {
protected:
    void SetUp() override {
        MovementFixture::SetUp();
        blueBox = QRect(20, 30, 30, 20);
        redBox = QRect(40, 35, 30, 20);
        placeFigures(blueBox, redBox);
        full = pixelsOf(aux());
    }

    QRect blueBox;
    QRect redBox;
    Pixels full;
};

TEST_F(FlickerTest, HidingRewritesOnlyTheBoxWidenedByOnePixel) {
    const PaletteIndices& idx = state.indices;
    // Red and shared pixels in the ring just outside the red box (40..69 x 35..54) and
    // beyond it.
    Pixels pixels = full;
    auto put = [&](int x, int y, int entry) {
        pixels[y * kClientWidth + x] = static_cast<std::uint8_t>(entry);
    };
    put(39, 40, idx.IndexRed);
    put(70, 54, idx.IndexAll);
    put(38, 40, idx.IndexRed);
    put(55, 56, idx.IndexRed);
    load(scene(), pixels);

    ASSERT_TRUE(hideFigure(scene(), state.run.RedRect, FigureRed, idx));
    Pixels expected = pixels;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (QRect(39, 34, 32, 22)
                .contains(static_cast<int>(i) % kClientWidth, static_cast<int>(i) / kClientWidth)) {
            expected[i] = expected[i] == idx.IndexRed   ? idx.IndexFon
                          : expected[i] == idx.IndexAll ? idx.IndexBlue
                                                        : expected[i];
        }
    }
    EXPECT_EQ(pixelsOf(scene()), expected);
    EXPECT_EQ(scene().pixel(38, 40), idx.IndexRed);
}

TEST_F(FlickerTest, HidingAtTheScreenEdgeStaysOnTheSurface) {
    state.run.BlueRect = toFigureRect(QRect(0, 0, 10, 10));
    load(scene(), scenePixels(QRect(0, 0, 10, 10), QRect(), state.indices));
    ASSERT_TRUE(hideFigure(scene(), state.run.BlueRect, FigureBlue, state.indices));
    EXPECT_EQ(entriesOn(scene()), QSet<int>{state.indices.IndexFon});
}

TEST_F(FlickerTest, SingleFigureVariantsHideTheirFigureAndShowTheFullSceneAgain) {
    for (const int variant : {1, 2}) {
        startFlicker(variant);
        load(primary(), full);
        toggle();
        EXPECT_FALSE(state.run.FlickerOn);
        const QRect shownBlue = variant == 1 ? blueBox : QRect();
        const QRect shownRed = variant == 2 ? redBox : QRect();
        EXPECT_EQ(pixelsOf(primary()), scenePixels(shownBlue, shownRed, state.indices)) << variant;
        EXPECT_EQ(pixelsOf(aux()), full);
        toggle();
        EXPECT_TRUE(state.run.FlickerOn);
        EXPECT_EQ(pixelsOf(primary()), full) << variant;
    }
}

TEST_F(FlickerTest, WholePictureVariantBlanksTheScreenAndBringsBackTheScene) {
    startFlicker(3);
    toggle();
    EXPECT_FALSE(state.run.FlickerOn);
    EXPECT_EQ(entriesOn(primary()), QSet<int>{state.indices.IndexFon});
    toggle();
    EXPECT_TRUE(state.run.FlickerOn);
    EXPECT_EQ(pixelsOf(primary()), pixelsOf(scene()));
}

TEST_F(FlickerTest, AlternationShowsTheTwoFiguresInTurn) {
    startFlicker(4);
    state.run.AlternatePhase = true;
    for (const bool redHidden : {true, false, true}) {
        toggle();
        EXPECT_EQ(state.run.AlternatePhase, !redHidden);
        EXPECT_TRUE(state.run.FlickerOn);
        const Pixels expected = redHidden ? scenePixels(blueBox, QRect(), state.indices)
                                          : scenePixels(QRect(), redBox, state.indices);
        EXPECT_EQ(pixelsOf(primary()), expected) << redHidden;
    }
    EXPECT_EQ(pixelsOf(aux()), full);
}

TEST_F(FlickerTest, RedrawsTheTimeBoxOnlyWhenItIsShown) {
    startFlicker(1);
    toggle();
    state.run.TimeBoxActive = true;
    state.run.ElapsedSeconds = 12;
    toggle();
    EXPECT_EQ(timeBoxShown, std::vector<int>{12});
}

} // namespace
} // namespace trelon::test
