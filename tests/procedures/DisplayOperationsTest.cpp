// The stimulus window's small display operations: error boxes, the time box, caption text,
// single-colour polygons and the scotoma map.
#include "RunFixture.h"

#include "display/Canvas.h"
#include "procedures/diagnostics/ScotomaMap.h"
#include "stimulus/ScotomaMapLabels.h"

namespace trelon::test {
namespace {

constexpr int kFon = 23;
constexpr int kAll = 24;

class DisplayOperationsTest : public RunFixture {
protected:
    // Text drawn with the given canvas set-up on a fresh surface of the given size that was
    // filled with fill first: what the operation under test must have produced.
    std::shared_ptr<Surface> reference(int width, int height, int fill,
                                       const std::function<void(Canvas&)>& draw) {
        auto surface = makeSurface(*device(), width, height);
        surface->attachPalette(state.display.DisplayPalette);
        EXPECT_EQ(surface->fill(static_cast<std::uint8_t>(fill)), DisplayResult::Ok);
        std::unique_ptr<Canvas> canvas;
        EXPECT_EQ(surface->getCanvas(canvas), DisplayResult::Ok);
        draw(*canvas);
        return surface;
    }

    // True when box of the primary equals the reference starting at its (0, 0).
    ::testing::AssertionResult primaryShows(const QRect& box, const Surface& expected) {
        for (int y = 0; y < box.height(); ++y) {
            for (int x = 0; x < box.width(); ++x) {
                const int shown = primary().pixel(box.left() + x, box.top() + y);
                if (shown != expected.pixel(x, y)) {
                    return ::testing::AssertionFailure()
                           << "pixel " << box.left() + x << "," << box.top() + y << " is " << shown
                           << ", expected " << int(expected.pixel(x, y));
                }
            }
        }
        return ::testing::AssertionSuccess();
    }

    // Entries found in box of the primary.
    QSet<int> entriesIn(const QRect& box) {
        QSet<int> found;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                found.insert(primary().pixel(x, y));
            }
        }
        return found;
    }

    QString errorText(const QString& message) {
        return host.title + QStringLiteral("|") + message +
               QStringLiteral(": \rUnrecognized Error");
    }

    std::shared_ptr<Surface> timeBoxReference(const QString& text) {
        return reference(40, 20, kFon, [&](Canvas& canvas) {
            canvas.setBackgroundColour(kFonRole);
            canvas.setTextColour(kAllRole);
            canvas.textOut(0, 0, text);
        });
    }
};

TEST_F(DisplayOperationsTest, DisplayErrorNamesTheOperationAndCodeOne) {
    run->ShowDisplayError(QStringLiteral("Ошибка вывода времени"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors.front(), errorText(QStringLiteral("Ошибка вывода времени")));
}

TEST_F(DisplayOperationsTest, TimeBoxWithResultShowsSecondsInTheWideBox) {
    state.run.ResultShown = true;
    run->ShowTimeBox(7);

    // 39 x 19 pixels with the top-left corner 50 pixels in from the lower right corner.
    const QRect box(kScreenWidth - 50, kScreenHeight - 50, 39, 19);
    EXPECT_TRUE(primaryShows(box, *timeBoxReference(QStringLiteral("7 сек"))));
    EXPECT_EQ(entriesIn(box), QSet<int>({kFon, kAll}));
    EXPECT_EQ(entriesIn(box.adjusted(-1, -1, 1, 1)), QSet<int>({kFon, kAll, kOtherEntry}));
    EXPECT_EQ(entriesIn(QRect(0, 0, kScreenWidth, box.top())), QSet<int>{kOtherEntry});
    EXPECT_TRUE(state.run.TimeBoxActive);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DisplayOperationsTest, TimeBoxWithoutResultShowsTheBareNumberInTheNarrowBox) {
    run->ShowTimeBox(7);

    const QRect box(kScreenWidth - 30, kScreenHeight - 50, 19, 19);
    EXPECT_TRUE(primaryShows(box, *timeBoxReference(QStringLiteral("7"))));
    EXPECT_TRUE(entriesIn(box).contains(kAll)) << "the digit is drawn";
    EXPECT_EQ(entriesIn(QRect(0, 0, box.left(), kScreenHeight)), QSet<int>{kOtherEntry});
    EXPECT_TRUE(state.run.TimeBoxActive);
}

TEST_F(DisplayOperationsTest, TimeBoxLeavesTheFlickerSceneInAuxSurface) {
    auto scene = makeSurface(*device(), kScreenWidth, kScreenHeight);
    state.display.AuxSurface = scene;
    run->ShowTimeBox(12);
    EXPECT_EQ(state.display.AuxSurface, scene);
}

TEST_F(DisplayOperationsTest, TimeBoxFailuresShowTheirMessagesAndDrawNothing) {
    struct Case {
        DisplayFailures forced;
        const char16_t* message;
        bool timeBoxActive;
    };
    DisplayFailures noSurface;
    noSurface.createOffscreen = true;
    DisplayFailures noCanvas;
    noCanvas.getCanvas = true;
    DisplayFailures noBlit;
    noBlit.blit = true;
    const Case cases[] = {
        {noSurface, u"Ошибка создания поверхности для результата", false},
        {noCanvas, u"Ошибка получения доступа к поверхности для результата", false},
        {noBlit, u"Ошибка вывода времени", true},
    };
    for (const Case& c : cases) {
        dialogs.errors.clear();
        state.run.TimeBoxActive = false;
        device()->setForcedFailures(c.forced);
        run->ShowTimeBox(3);
        device()->setForcedFailures({});
        const QString message = QString::fromUtf16(c.message);
        EXPECT_EQ(dialogs.errors, QStringList{errorText(message)});
        EXPECT_EQ(state.run.TimeBoxActive, c.timeBoxActive) << message.toStdString();
        EXPECT_EQ(entriesOn(primary()), QSet<int>{kOtherEntry}) << message.toStdString();
    }
}

TEST_F(DisplayOperationsTest, CaptionTextIsPaddedAndDrawnTwentyPixelsAboveY) {
    const QString padded = QStringLiteral("  Угол 2,5  ");
    run->ShowCaptionText(QStringLiteral("Угол 2,5"), 20, 100);

    const auto expected = reference(kScreenWidth, 60, kOtherEntry, [&](Canvas& canvas) {
        canvas.setFont(QStringLiteral("MS Sans Serif"), Canvas::pixelsFromPoints(20), true);
        canvas.setTextColour(colourWord(0, 0, 0));
        canvas.textOut(0, 0, padded);
    });
    EXPECT_TRUE(primaryShows(QRect(20, 80, kScreenWidth - 20, 60), *expected));
    EXPECT_EQ(boxOf(primary(), 255).topLeft(), QPoint(20, 80)) << "white opaque background";
    EXPECT_TRUE(entriesOn(primary()).contains(0)) << "black text";
}

TEST_F(DisplayOperationsTest, CaptionTextWithoutCanvasShowsTheAccessErrorOnly) {
    DisplayFailures noCanvas;
    noCanvas.getCanvas = true;
    device()->setForcedFailures(noCanvas);
    run->ShowCaptionText(QStringLiteral("x"), 20, 100);
    EXPECT_EQ(dialogs.errors, QStringList{errorText(QStringLiteral(
                                  "Ошибка получения доступа к поверхности для результата"))});
    EXPECT_EQ(entriesOn(primary()), QSet<int>{kOtherEntry});
}

TEST_F(DisplayOperationsTest, PolygonSurfaceHoldsTheFilledShapeOnBackground) {
    state.display.AuxSurface = makeSurface(*device(), 5, 5);
    const QPolygon triangle({QPoint(0, 0), QPoint(29, 0), QPoint(0, 19), QPoint(0, 0)});
    ASSERT_TRUE(DrawPolygonSurface(state, triangle, kRedRole, 30, 20));

    const auto& aux = state.display.AuxSurface;
    ASSERT_TRUE(aux);
    EXPECT_EQ(aux->rect().size(), QSize(30, 20));
    EXPECT_EQ(entriesOn(*aux), QSet<int>({kFon, 22}));
    EXPECT_EQ(aux->pixel(3, 3), 22);
    EXPECT_EQ(aux->pixel(28, 18), kFon);
    EXPECT_EQ(entriesOn(primary()), QSet<int>{kOtherEntry}) << "the caller blits it";
}

TEST_F(DisplayOperationsTest, PolygonSurfaceFailuresReturnWithoutDrawing) {
    const QPolygon square({QPoint(0, 0), QPoint(9, 0), QPoint(9, 9), QPoint(0, 9)});
    DisplayFailures noSurface;
    noSurface.createOffscreen = true;
    device()->setForcedFailures(noSurface);
    EXPECT_FALSE(DrawPolygonSurface(state, square, kRedRole, 10, 10));
    EXPECT_FALSE(state.display.AuxSurface);

    DisplayFailures noCanvas;
    noCanvas.getCanvas = true;
    device()->setForcedFailures(noCanvas);
    EXPECT_FALSE(DrawPolygonSurface(state, square, kRedRole, 10, 10));
    ASSERT_TRUE(state.display.AuxSurface);
    EXPECT_EQ(entriesOn(*state.display.AuxSurface), QSet<int>{kFon});
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

class ScotomaMapTest : public DisplayOperationsTest {
protected:
    // Default scale: 9 mm are 31 pixels; a 200-pixel width gives rings k = 1..5.
    static constexpr int kRing = 31;
    static constexpr int kCx = kScreenWidth / 2;
    static constexpr int kCy = kScreenHeight / 2;

    std::shared_ptr<Surface> label(const QString& text) {
        return reference(40, 12, 255, [&](Canvas& canvas) {
            canvas.setFont(QStringLiteral("MS Sans Serif"), Canvas::pixelsFromPoints(6));
            canvas.setTextColour(colourWord(0, 0, 255));
            canvas.textOut(0, 0, text);
        });
    }

    QSize labelSize(const QString& text) {
        auto surface = makeSurface(*device(), 4, 4);
        std::unique_ptr<Canvas> canvas;
        EXPECT_EQ(surface->getCanvas(canvas), DisplayResult::Ok);
        canvas->setFont(QStringLiteral("MS Sans Serif"), Canvas::pixelsFromPoints(6));
        return canvas->textExtent(text);
    }

    void expectLabel(int k, const QString& left, const QString& right) {
        EXPECT_TRUE(
            primaryShows(QRect(QPoint(kCx - k * kRing, kCy + 2), labelSize(left)), *label(left)))
            << "ring " << k << " left " << left.toStdString();
        EXPECT_TRUE(
            primaryShows(QRect(QPoint(kCx + k * kRing, kCy + 2), labelSize(right)), *label(right)))
            << "ring " << k << " right " << right.toStdString();
    }

    const QPolygon outline{QPolygon(
        {QPoint(60, 40), QPoint(140, 40), QPoint(140, 110), QPoint(60, 110), QPoint(60, 40)})};
};

TEST_F(ScotomaMapTest, LabelsAtTwoMetres) {
    state.session.DistanceCm = 200;
    state.run.ActiveFigure = FigureRed;
    DrawScotomaMap(state, *run, outline, kScreenHeight, kScreenWidth);

    expectLabel(1, QStringLiteral("0,2"), QStringLiteral("-0,2"));
    expectLabel(2, QStringLiteral("0,5"), QStringLiteral("-0,5"));
    EXPECT_EQ(state.run.ActiveFigure, FigureNone);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ScotomaMapTest, LabelsAtFiftyCentimetres) {
    state.session.DistanceCm = 50;
    DrawScotomaMap(state, *run, outline, kScreenHeight, kScreenWidth);
    expectLabel(1, QStringLiteral("1"), QStringLiteral("-1"));
    expectLabel(2, QStringLiteral("2"), QStringLiteral("-2"));
    expectLabel(3, QStringLiteral("3"), QStringLiteral("-3"));
}

TEST_F(ScotomaMapTest, WhiteChartWithRedOutlineBlackRingsAndAxes) {
    state.session.DistanceCm = 100;
    DrawScotomaMap(state, *run, outline, kScreenHeight, kScreenWidth);

    const QSet<int> entries = entriesOn(primary());
    EXPECT_EQ(entries - QSet<int>({255, 249, 252, 0}), QSet<int>()) << "white, red, blue, black";
    EXPECT_EQ(primary().pixel(2, 2), 255);
    // Horizontal axis from x 20 to W - 20 and vertical from y 20 to H - 20, 2 pixels wide.
    EXPECT_EQ(primary().pixel(17, kCy), 255);
    EXPECT_EQ(primary().pixel(21, kCy - 1), 0);
    EXPECT_EQ(primary().pixel(21, kCy), 0);
    EXPECT_EQ(primary().pixel(21, kCy + 1), 255);
    EXPECT_EQ(primary().pixel(kCx, 25), 0);
    EXPECT_EQ(primary().pixel(kCx, 10), 255);
    // The outline along the polygon's top side (y 40): the 5-pixel red pen, whose inner half
    // the second, thin pass covers again with the white brush.
    EXPECT_EQ(primary().pixel(80, 37), 255);
    EXPECT_EQ(primary().pixel(80, 38), 249);
    EXPECT_EQ(primary().pixel(80, 40), 249);
    EXPECT_EQ(primary().pixel(80, 41), 255);
    // Ring 2 (radius 62) crosses the column right of the vertical axis once, below the
    // axis's end.
    QList<int> ringRows;
    for (int y = kScreenHeight - 19; y < kScreenHeight; ++y) {
        if (primary().pixel(kCx + 1, y) == 0) {
            ringRows << y;
        }
    }
    ASSERT_EQ(ringRows.size(), 1);
    EXPECT_NEAR(ringRows.front(), kCy + 2 * kRing - 1, 1);
}

TEST_F(ScotomaMapTest, WithoutCanvasOnlyTheWhiteFillAndTheAccessError) {
    DisplayFailures noCanvas;
    noCanvas.getCanvas = true;
    device()->setForcedFailures(noCanvas);
    state.run.ActiveFigure = FigureBlue;
    DrawScotomaMap(state, *run, outline, kScreenHeight, kScreenWidth);
    EXPECT_EQ(entriesOn(primary()), QSet<int>{255});
    EXPECT_EQ(dialogs.errors, QStringList{errorText(QStringLiteral(
                                  "Ошибка получения доступа к поверхности для результата"))});
    EXPECT_EQ(state.run.ActiveFigure, FigureBlue);
}

TEST_F(ScotomaMapTest, ScalesWithoutAWholePixelPerRingDrawNoRings) {
    state.session.DistanceCm = 50;
    for (double mmPerPixel : {0.0, -1.0, 40.0}) {
        state.settings.MmPerPixel = mmPerPixel;
        DrawScotomaMap(state, *run, outline, kScreenHeight, kScreenWidth);
        EXPECT_FALSE(entriesOn(primary()).contains(252)) << "no labels at " << mmPerPixel;
    }
}

} // namespace
} // namespace trelon::test
