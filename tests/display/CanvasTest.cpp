#include "display/Canvas.h"

#include "support/DisplayTestSupport.h"

#include <QSet>

namespace trelon {
namespace {

using test::entriesOn;
using test::makeDevice;
using test::makePalette;
using test::makeSurface;

constexpr ColourWord kRed = colourWord(240, 100, 50);
constexpr ColourWord kBlue = colourWord(50, 100, 240);
constexpr ColourWord kFon = colourWord(100, 100, 100);
constexpr ColourWord kWhite = colourWord(255, 255, 255);

// A palette holding the role-like colours at 21..24, with grey ramps everywhere else, so a
// blended colour would land on some other entry.
PaletteTable roleTable() {
    PaletteTable table = test::greyTable();
    table[21] = {50, 100, 240, 0};
    table[22] = {240, 100, 50, 0};
    table[23] = {100, 100, 101, 0}; // near the background grey, not equal
    table[24] = {200, 200, 201, 0};
    return table;
}

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        device = makeDevice(QSize(200, 150));
        palette = makePalette(*device, roleTable());
        surface = makeSurface(*device, 200, 150);
        surface->attachPalette(palette);
        ASSERT_EQ(surface->fill(23), DisplayResult::Ok);
        ASSERT_EQ(surface->getCanvas(canvas), DisplayResult::Ok);
    }

    std::shared_ptr<DisplayDevice> device;
    std::shared_ptr<Palette> palette;
    std::shared_ptr<Surface> surface;
    std::unique_ptr<Canvas> canvas;
};

TEST_F(CanvasTest, ColourWordsDrawTheNearestEntryExactMatchFirst) {
    EXPECT_EQ(canvas->entryOf(kRed), 22);
    EXPECT_EQ(canvas->entryOf(kBlue), 21);
    EXPECT_EQ(canvas->entryOf(colourWord(255, 0, 0)), 249);
    // 100,100,100 is grey entry 100 exactly, although entry 23 is only one step away.
    EXPECT_EQ(canvas->entryOf(kFon), 100);
    // Nearest by distance: 241,101,50 is closest to entry 22.
    EXPECT_EQ(canvas->entryOf(colourWord(241, 101, 50)), 22);
}

TEST(NearestEntryTest, TiesGoToTheLowestEntry) {
    PaletteTable table{};
    table.fill({0, 0, 0, 0});
    table[10] = {10, 10, 10, 0};
    table[5] = {30, 30, 30, 0};
    table[7] = {10, 10, 10, 9}; // same colour, higher entry, flags ignored
    // 20,20,20 is equally far from entries 5 and 10.
    EXPECT_EQ(nearestEntry(table, colourWord(20, 20, 20)), 5);
    EXPECT_EQ(nearestEntry(table, colourWord(10, 10, 10)), 7);
    EXPECT_EQ(nearestEntry(table, colourWord(0, 0, 0)), 0);
}

TEST_F(CanvasTest, ShapesNeverLeaveABlendedEntry) {
    canvas->setPen(kRed, 3);
    canvas->setBrush(kBlue);
    canvas->polygon(QPolygon({QPoint(10, 10), QPoint(90, 30), QPoint(40, 80)}));
    canvas->ellipse(100, 10, 180, 70);
    canvas->setPen(kWhite, 5);
    canvas->lineTo(199, 149);
    canvas->polyline(QPolygon({QPoint(0, 140), QPoint(60, 100), QPoint(120, 145)}));
    canvas->rectangle(120, 90, 190, 140);
    EXPECT_EQ(entriesOn(*surface), (QSet<int>{23, 22, 21, 255}));
}

TEST_F(CanvasTest, TextWritesOnlyTextAndBackgroundEntries) {
    canvas->setFont(QStringLiteral("Sans Serif"), 20, true);
    canvas->setTextColour(kWhite);
    canvas->setBackgroundColour(kBlue);
    canvas->textOut(5, 5, QStringLiteral("Ошибка 0,5"));
    EXPECT_EQ(entriesOn(*surface), (QSet<int>{23, 21, 255}));
    // The opaque background covers exactly the text cell.
    const QSize extent = canvas->textExtent(QStringLiteral("Ошибка 0,5"));
    EXPECT_GT(extent.width(), 40);
    EXPECT_GE(extent.height(), 20);
    EXPECT_EQ(test::boxOf(*surface, 21) | test::boxOf(*surface, 255), QRect(QPoint(5, 5), extent));
}

TEST_F(CanvasTest, TransparentTextLeavesTheBackgroundAlone) {
    canvas->setFont(QStringLiteral("Sans Serif"), 16, false);
    canvas->setTextColour(kRed);
    canvas->setBackgroundMode(BackgroundMode::Transparent);
    canvas->textOut(10, 10, QStringLiteral("7 сек"));
    EXPECT_EQ(entriesOn(*surface), (QSet<int>{23, 22}));
    EXPECT_TRUE(QRect(QPoint(10, 10), canvas->textExtent(QStringLiteral("7 сек")))
                    .contains(test::boxOf(*surface, 22)));
}

TEST_F(CanvasTest, HollowEllipseIsARingOfThePen) {
    canvas->setPen(kRed, 1);
    canvas->setNullBrush();
    canvas->ellipse(50, 50, 101, 101); // centre 75, 75, radius 25
    EXPECT_EQ(surface->pixel(75, 75), 23);
    EXPECT_EQ(test::boxOf(*surface, 22), QRect(QPoint(50, 50), QPoint(100, 100)));
}

TEST_F(CanvasTest, RectangleExcludesRightAndBottomAndFillsInside) {
    canvas->setPen(kRed, 1);
    canvas->setBrush(kBlue);
    canvas->rectangle(10, 20, 30, 40);
    EXPECT_EQ(test::boxOf(*surface, 22), QRect(QPoint(10, 20), QPoint(29, 39)));
    EXPECT_EQ(test::boxOf(*surface, 21), QRect(QPoint(11, 21), QPoint(28, 38)));
    EXPECT_EQ(surface->pixel(30, 40), 23);
}

TEST_F(CanvasTest, DrawingIsClippedToTheSurface) {
    canvas->setPen(kRed, 4);
    canvas->setBrush(kBlue);
    canvas->ellipse(-100, -100, 60, 60);
    canvas->fillRect(QRect(150, 100, 500, 500), kWhite);
    canvas->moveTo(-50, 75);
    canvas->lineTo(500, 75);
    EXPECT_EQ(surface->pixel(0, 0), 21);
    EXPECT_EQ(surface->pixel(199, 149), 255);
    EXPECT_EQ(surface->pixel(0, 75), 22);
    EXPECT_EQ(surface->pixel(199, 75), 22);
}

TEST_F(CanvasTest, StretchedBitmapMapsEachColourToItsNearestEntry) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    picture.setPixel(0, 1, qRgb(239, 99, 51)); // near the red role colour
    picture.setPixel(1, 1, qRgb(7, 7, 7));
    canvas->stretchBitmap(QRect(0, 0, 20, 10), picture);
    EXPECT_EQ(surface->pixel(0, 0), 249);
    EXPECT_EQ(surface->pixel(9, 4), 249);
    EXPECT_EQ(surface->pixel(10, 0), 252);
    EXPECT_EQ(surface->pixel(19, 4), 252);
    EXPECT_EQ(surface->pixel(0, 5), 22);
    EXPECT_EQ(surface->pixel(19, 9), 7);
    EXPECT_EQ(surface->pixel(20, 0), 23); // outside the destination
}

TEST(CanvasLifetimeTest, CanvasKeepsTheSurfaceBusyUntilReleased) {
    auto device = makeDevice();
    auto surface = makeSurface(*device, 10, 10);
    std::unique_ptr<Canvas> canvas;
    ASSERT_EQ(surface->getCanvas(canvas), DisplayResult::Ok);
    SurfaceLock access;
    EXPECT_EQ(surface->lock(access), DisplayResult::SurfaceBusy);
    std::unique_ptr<Canvas> second;
    EXPECT_EQ(surface->getCanvas(second), DisplayResult::SurfaceBusy);
    EXPECT_EQ(second, nullptr);
    // Releasing the surface reference while the canvas is out keeps the pixels alive.
    surface.reset();
    canvas->fillRect(QRect(0, 0, 10, 10), 0);
    canvas.reset();
}

TEST(CanvasLifetimeTest, ForcedCanvasFailureGivesNoCanvas) {
    DisplayFailures forced;
    forced.getCanvas = true;
    auto device = makeDevice(QSize(64, 48), forced);
    auto surface = makeSurface(*device, 10, 10);
    std::unique_ptr<Canvas> canvas;
    EXPECT_EQ(surface->getCanvas(canvas), DisplayResult::CantCreateDC);
    EXPECT_EQ(canvas, nullptr);
    device->setForcedFailures({});
    EXPECT_EQ(surface->getCanvas(canvas), DisplayResult::Ok);
}

TEST(CanvasPaletteTest, SurfaceWithoutPaletteUsesTheScreenPalette) {
    auto device = makeDevice(QSize(32, 32));
    auto surface = makeSurface(*device, 8, 8);
    std::unique_ptr<Canvas> canvas;
    ASSERT_EQ(surface->getCanvas(canvas), DisplayResult::Ok);
    // Before any palette reaches the screen: the fixed system colours.
    EXPECT_EQ(canvas->entryOf(colourWord(255, 0, 0)), 249);
    EXPECT_EQ(canvas->entryOf(colourWord(0, 0, 255)), 252);
    EXPECT_EQ(canvas->entryOf(colourWord(255, 255, 255)), 255);
    EXPECT_EQ(canvas->entryOf(0), 0);

    PaletteTable table = test::greyTable();
    table[22] = {240, 100, 50, 0};
    auto palette = makePalette(*device, table);
    std::shared_ptr<Surface> primary;
    ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
    primary->attachPalette(palette);
    EXPECT_EQ(canvas->entryOf(kRed), 22);
    // Written palettes are matched as they are now, not as they were.
    table[22] = {0, 0, 0, 0};
    table[40] = {240, 100, 50, 0};
    palette->setEntries(table);
    EXPECT_EQ(canvas->entryOf(kRed), 40);
}

} // namespace
} // namespace trelon
