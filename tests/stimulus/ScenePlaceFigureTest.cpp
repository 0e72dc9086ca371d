// PlaceFigure: where a picture lands for each offset code, how its colours become role
// entries in each mode, and the boxes it finds.
#include "stimulus/PlaceFigure.h"
#include "support/StimulusScreenFixture.h"

namespace trelon::test {
namespace {

constexpr int kW = 200;
constexpr int kH = 150;

class ScenePlaceFigure : public StimulusScreenFixture {
protected:
    void SetUp() override {
        openScreen(QSize(kW, kH));
        makeSceneSurface();
        state.run.EdgeMargin = 2;
    }

    PlaceResult place(int mode, ColourWord colour, const QString& name = QStringLiteral("p.bmp"),
                      bool objectWidth = false) {
        return PlaceFigure(state, mode, colour, name, state.settings.MmPerPixel, objectWidth);
    }

    // The scene is all background but for box, which holds entry throughout.
    void expectOnlyBox(const QRect& box, int entry) {
        EXPECT_EQ(boxOf(scene(), entry), box);
        EXPECT_EQ(entriesOn(scene()), (QSet<int>{kFon, entry}));
    }
};

TEST_F(ScenePlaceFigure, RedImageNegatesTheOffsetsAndLandsMirrored) {
    savePlainPicture(QStringLiteral("p.bmp"), 10, 6, Qt::red);
    state.scene.FigureOffsetX = 1000; // the left edge, for a blue image
    ASSERT_EQ(place(PlaceSplit, kRedRole), PlaceResult::Placed);
    EXPECT_EQ(state.scene.FigureOffsetX, -1000);
    EXPECT_EQ(state.scene.FigureOffsetY, 0);
    expectOnlyBox(QRect(kW - 10 - 2, kH / 2 - 3, 10, 6), kRed);
    EXPECT_EQ(state.run.RedRect, (FigureRect{188, 197, 72, 77}));
    // Nothing blue: the blue box stays empty.
    EXPECT_EQ(state.run.BlueRect, (FigureRect{1000, 0, 1000, 0}));

    // The same offsets for any other colour stay as they are.
    scene().fill(kFon);
    ASSERT_EQ(place(PlaceSplit, kBlueRole), PlaceResult::Placed);
    EXPECT_EQ(state.scene.FigureOffsetX, -1000);
    EXPECT_EQ(state.run.RedRect.Left, 188);
}

TEST_F(ScenePlaceFigure, OffsetCodesPlaceTheFigure) {
    // 10 wide and 20 high, so a mix-up of width and height shows.
    savePlainPicture(QStringLiteral("p.bmp"), 10, 20, Qt::blue);
    struct Case {
        int x, y;
        QPoint at;
    };
    const Case cases[] = {
        {0, 0, {95, 65}},
        {1000, 1000, {2, 2}},
        {-1000, -1000, {188, 128}},
        {900, 0, {100 + 2 - 75, 65}},
        // The centred square's right edge less the figure's height, not its width.
        {-900, 0, {100 + 75 - 20 - 2, 65}},
        {-30, 17, {100 - 30 - 5, 75 + 17 - 10}},
    };
    for (const Case& c : cases) {
        scene().fill(kFon);
        state.scene.FigureOffsetX = c.x;
        state.scene.FigureOffsetY = c.y;
        ASSERT_EQ(place(PlaceSplit, kBlueRole), PlaceResult::Placed);
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        expectOnlyBox(QRect(c.at, QSize(10, 20)), kBlue);
    }
}

TEST_F(ScenePlaceFigure, ScaledFigureAndPictureSize) {
    savePlainPicture(QStringLiteral("p.bmp"), 10, 6, Qt::white);
    state.scene.FigureScale = 2.25; // 22.5 -> 22 and 13.5 -> 14, halves to even
    ASSERT_EQ(place(PlaceSplit, kAllRole), PlaceResult::Placed);
    EXPECT_EQ(state.scene.PictureWidth, 10);
    EXPECT_EQ(state.scene.PictureHeight, 6);
    const QRect box(100 - 11, 75 - 7, 22, 14);
    expectOnlyBox(box, kAll);
    // White is seen by both eyes: it extends both boxes.
    EXPECT_EQ(state.run.BlueRect, (FigureRect{89, 110, 68, 81}));
    EXPECT_EQ(state.run.RedRect, state.run.BlueRect);
}

TEST_F(ScenePlaceFigure, SplitModeTranslatesEachColour) {
    // Columns: black, red, blue, white, green (any other colour counts as common).
    const QColor columns[] = {Qt::black, Qt::red, Qt::blue, Qt::white, Qt::green};
    savePicture(QStringLiteral("p.bmp"), 5, 1, [&](int x, int) { return columns[x]; });
    scene().fill(kAll); // black must clear what was there
    ASSERT_EQ(place(PlaceSplit, kBlueRole), PlaceResult::Placed);
    const int x0 = 100 - 2;
    const int y = 75;
    EXPECT_EQ(scene().pixel(x0, y), kFon);
    EXPECT_EQ(scene().pixel(x0 + 1, y), kRed);
    EXPECT_EQ(scene().pixel(x0 + 2, y), kBlue);
    EXPECT_EQ(scene().pixel(x0 + 3, y), kAll);
    EXPECT_EQ(scene().pixel(x0 + 4, y), kAll);
    EXPECT_EQ(state.run.RedRect, (FigureRect{99, 102, 75, 75}));
    EXPECT_EQ(state.run.BlueRect, (FigureRect{100, 102, 75, 75}));
}

TEST_F(ScenePlaceFigure, BlueOnlyAndCommonModesFindNoBoxes) {
    const QColor columns[] = {Qt::black, Qt::red, Qt::blue, Qt::white};
    savePicture(QStringLiteral("p.bmp"), 4, 1, [&](int x, int) { return columns[x]; });
    scene().fill(kRed);
    state.run.BlueRect = {1, 2, 3, 4};
    ASSERT_EQ(place(PlaceBlueOnly, kBlueRole), PlaceResult::Placed);
    const int x0 = 98;
    EXPECT_EQ(scene().pixel(x0, 75), kFon);
    EXPECT_EQ(scene().pixel(x0 + 1, 75), kFon);
    EXPECT_EQ(scene().pixel(x0 + 2, 75), kBlue);
    EXPECT_EQ(scene().pixel(x0 + 3, 75), kBlue);
    EXPECT_EQ(state.run.BlueRect, kEmptyFigureRect);

    ASSERT_EQ(place(PlaceCommon, kAllRole), PlaceResult::Placed);
    EXPECT_EQ(scene().pixel(x0, 75), kFon);
    for (int x = x0 + 1; x < x0 + 4; ++x) {
        EXPECT_EQ(scene().pixel(x, 75), kAll);
    }
    EXPECT_EQ(state.run.RedRect, kEmptyFigureRect);
    EXPECT_EQ(state.run.BlueRect, kEmptyFigureRect);
}

TEST_F(ScenePlaceFigure, RedOverLaysTheRedImageOnWhatIsThere) {
    // Rows of the picture: red, white, black, blue; columns lie over four scene entries.
    const QColor rows[] = {Qt::red, Qt::white, Qt::black, Qt::blue};
    savePicture(QStringLiteral("p.bmp"), 4, 4, [&](int, int y) { return rows[y]; });
    const int under[] = {kFon, kBlue, kRed, kAll};
    const int x0 = 98;
    const int y0 = 73;
    SurfaceLock lock;
    ASSERT_EQ(scene().lock(lock), DisplayResult::Ok);
    for (int y = y0; y < y0 + 4; ++y) {
        for (int i = 0; i < 4; ++i) {
            lock.bits[y * lock.pitch + x0 + i] = static_cast<std::uint8_t>(under[i]);
        }
    }
    scene().unlock();
    // The offsets are those of the blue image; the red one lands mirrored, here the same.
    ASSERT_EQ(place(PlaceRedOver, kRedRole), PlaceResult::Placed);
    const int overRedOrWhite[] = {kRed, kAll, kRed, kAll};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(scene().pixel(x0 + i, y0), overRedOrWhite[i]);
        EXPECT_EQ(scene().pixel(x0 + i, y0 + 1), overRedOrWhite[i]);
        // Black and blue picture pixels leave the scene as it was.
        EXPECT_EQ(scene().pixel(x0 + i, y0 + 2), under[i]);
        EXPECT_EQ(scene().pixel(x0 + i, y0 + 3), under[i]);
    }
}

TEST_F(ScenePlaceFigure, FigurePartlyOffTheSceneIsCutAtTheEdge) {
    savePlainPicture(QStringLiteral("p.bmp"), 20, 10, Qt::red);
    state.scene.FigureOffsetX = -95; // red: becomes +95, the figure's centre at x = 195
    state.scene.FigureOffsetY = 72;  // becomes -72: centre at y = 3
    ASSERT_EQ(place(PlaceSplit, kRedRole), PlaceResult::Placed);
    expectOnlyBox(QRect(QPoint(185, 0), QPoint(199, 7)), kRed);
    EXPECT_EQ(state.run.RedRect, (FigureRect{185, 199, 0, 7}));
}

TEST_F(ScenePlaceFigure, ScotomaTrainingBeeFliesThirtyPixelsHigher) {
    savePlainPicture(QStringLiteral("p.bmp"), 10, 10, Qt::red);
    selectProcedure(0, 1, 2);
    state.session.PauseSeconds = 1;
    ASSERT_EQ(place(PlaceSplit, kRedRole), PlaceResult::Placed);
    EXPECT_EQ(state.run.RedRect.Top, 70 - 30);

    // PauseSeconds 0 marks the other figures: no lift.
    state.session.PauseSeconds = 0;
    scene().fill(kFon);
    ASSERT_EQ(place(PlaceSplit, kRedRole), PlaceResult::Placed);
    EXPECT_EQ(state.run.RedRect.Top, 70);
}

TEST_F(ScenePlaceFigure, FusionObjectsGetTheirPhysicalWidth) {
    // The candy at 3 degrees on a 100-pixel picture: 27 mm at 0.29 mm per pixel, times 0.84.
    EXPECT_NEAR(fusionFigureScale(1, 0, 0.29, 100), 27 / 0.29 / 100 * 0.84, 1e-12);
    EXPECT_NEAR(fusionFigureScale(1, 0, 0.29, 100), 0.782, 0.0005);
    EXPECT_DOUBLE_EQ(fusionFigureScale(0, 0, 0.29, 100), 54 / 0.29 / 100);  // cat, 6 degrees
    EXPECT_DOUBLE_EQ(fusionFigureScale(2, 2, 0.29, 100), 36 / 0.29 / 100);  // butterfly, 4
    EXPECT_DOUBLE_EQ(fusionFigureScale(7, -1, 0.29, 100), 72 / 0.29 / 100); // clamped items

    // PlaceFigure sizes the picture itself for the fusion objects: 78.2 -> 78 pixels.
    savePlainPicture(QStringLiteral("p.bmp"), 100, 20, Qt::white);
    state.session.ObjFuzItem = 1;
    state.scene.FigureScale = 5;
    ASSERT_EQ(place(PlaceSplit, kAllRole, QStringLiteral("p.bmp"), true), PlaceResult::Placed);
    EXPECT_NEAR(state.scene.FigureScale, 0.782, 0.0005);
    EXPECT_EQ(boxOf(scene(), kAll).size(), QSize(78, 16));
}

TEST_F(ScenePlaceFigure, MissingPictureOrSurfaceComposesNothing) {
    state.run.RedRect = {1, 2, 3, 4};
    EXPECT_EQ(place(PlaceSplit, kRedRole, QStringLiteral("none.bmp")), PlaceResult::NoPicture);
    EXPECT_EQ(state.scene.PictureWidth, 0);
    EXPECT_EQ(state.run.RedRect, kEmptyFigureRect);

    savePlainPicture(QStringLiteral("p.bmp"), 10, 6, Qt::red);
    state.scene.FigureScale = 0.01; // rounds to an empty figure
    EXPECT_EQ(place(PlaceSplit, kRedRole), PlaceResult::NoSurface);
    state.scene.FigureScale = 1;
    DisplayFailures failures;
    failures.createOffscreen = true;
    device()->setForcedFailures(failures);
    EXPECT_EQ(place(PlaceSplit, kRedRole), PlaceResult::NoSurface);
    EXPECT_EQ(entriesOn(scene()), QSet<int>{kFon});
}

} // namespace
} // namespace trelon::test
