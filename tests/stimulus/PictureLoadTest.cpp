#include "stimulus/PaletteRoutines.h"

#include "support/DisplayTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace trelon {
namespace {

using test::makeDevice;
using test::makePalette;

// A 4 by 2 picture: black, red, blue, white on top; a dark grey, a near-red, a near-blue and
// a light grey below.
QImage fourColourPicture() {
    QImage image(4, 2, QImage::Format_RGB32);
    const QRgb top[4] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    const QRgb bottom[4] = {qRgb(20, 20, 20), qRgb(230, 30, 10), qRgb(10, 20, 220),
                            qRgb(240, 240, 240)};
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 0, top[x]);
        image.setPixel(x, 1, bottom[x]);
    }
    return image;
}

class PictureLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The base palette keeps black, red, blue and white at 0, 249, 252, 255; the rest are
        // mid colours that none of the picture's colours matches.
        PaletteTable table{};
        for (int i = 0; i < kPaletteSize; ++i) {
            table[i] = {128, static_cast<std::uint8_t>(i / 2), 128, 0};
        }
        table[0] = {0, 0, 0, 0};
        table[249] = {255, 0, 0, 0};
        table[252] = {0, 0, 255, 0};
        table[255] = {255, 255, 255, 0};
        palette = makePalette(*device, table);
        ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
        primary->attachPalette(palette);
    }

    QTemporaryDir dir;
    std::shared_ptr<DisplayDevice> device = makeDevice();
    std::shared_ptr<Palette> palette;
    std::shared_ptr<Surface> primary;
};

TEST_F(PictureLoadTest, PictureColoursLandOnThePictureEntries) {
    ASSERT_TRUE(fourColourPicture().save(dir.filePath(QStringLiteral("Star.bmp")), "BMP"));
    DisplayResult result = DisplayResult::Generic;
    auto surface = LoadPictureSurface(*device, dir.path(), QStringLiteral("STAR.bmp"), &result);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(result, DisplayResult::Ok);
    EXPECT_EQ(surface->width(), 4);
    EXPECT_EQ(surface->height(), 2);
    EXPECT_EQ(surface->attachedPalette(), nullptr);
    const int expectedTop[4] = {0, 249, 252, 255};
    const int expectedBottom[4] = {0, 249, 252, 255};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(surface->pixel(x, 0), expectedTop[x]) << x;
        EXPECT_EQ(surface->pixel(x, 1), expectedBottom[x]) << x;
    }
}

TEST_F(PictureLoadTest, IndexedPictureMapsThroughItsColourTable) {
    QImage image(3, 1, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 0)});
    image.setPixel(0, 0, 2);
    image.setPixel(1, 0, 1);
    image.setPixel(2, 0, 0);
    ASSERT_TRUE(image.save(dir.filePath(QStringLiteral("rat.bmp")), "BMP"));
    auto surface = LoadPictureSurface(*device, dir.path(), QStringLiteral("rat.bmp"));
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->pixel(0, 0), 249);
    EXPECT_EQ(surface->pixel(1, 0), 252);
    EXPECT_EQ(surface->pixel(2, 0), 255);
}

TEST_F(PictureLoadTest, MissingOrBrokenPictureGivesNothing) {
    DisplayResult result = DisplayResult::Ok;
    EXPECT_EQ(LoadPictureSurface(*device, dir.path(), QStringLiteral("none.bmp"), &result),
              nullptr);
    EXPECT_NE(result, DisplayResult::Ok);
    QFile junk(dir.filePath(QStringLiteral("junk.bmp")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a picture");
    junk.close();
    EXPECT_EQ(LoadPictureSurface(*device, dir.path(), QStringLiteral("junk.bmp")), nullptr);
}

TEST_F(PictureLoadTest, PicturesOverTheLargestSideAreRefusedBeforeTheirPixelsAreRead) {
    // An 82-byte bitmap declaring 13 x 1,638,405 pixels (255 MB) is not loaded; the largest
    // side loads, one pixel more does not.
    QFile huge(dir.filePath(QStringLiteral("huge.bmp")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(QByteArray::fromHex("424d52000000000000003600000028000000"
                                   "0d000000"
                                   "05001900"
                                   "010018000000000000000000130b0000130b0000"
                                   "0000000000000000") +
               QByteArray(28, '\0'));
    huge.close();
    ASSERT_EQ(huge.size(), 82);
    EXPECT_TRUE(LoadPictureImage(dir.path(), QStringLiteral("huge.bmp")).isNull());
    for (const int width : {kMaxPictureSide, kMaxPictureSide + 1}) {
        QImage(width, 1, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("wide.bmp")));
        EXPECT_EQ(LoadPictureImage(dir.path(), QStringLiteral("wide.bmp")).width(),
                  width == kMaxPictureSide ? width : 0);
    }
}

TEST_F(PictureLoadTest, FailedSurfaceOrCopyGivesNothingAndTheCode) {
    ASSERT_TRUE(fourColourPicture().save(dir.filePath(QStringLiteral("dom.bmp")), "BMP"));
    DisplayFailures forced;
    forced.createOffscreen = true;
    device->setForcedFailures(forced);
    DisplayResult result = DisplayResult::Ok;
    EXPECT_EQ(LoadPictureSurface(*device, dir.path(), QStringLiteral("dom.bmp"), &result), nullptr);
    EXPECT_EQ(result, DisplayResult::OutOfMemory);
    forced = {};
    forced.getCanvas = true;
    device->setForcedFailures(forced);
    EXPECT_EQ(LoadPictureSurface(*device, dir.path(), QStringLiteral("dom.bmp"), &result), nullptr);
    EXPECT_EQ(result, DisplayResult::CantCreateDC);
}

TEST_F(PictureLoadTest, CopyBitmapStretchesARegionOntoTheWholeSurface) {
    std::shared_ptr<Surface> surface;
    ASSERT_EQ(device->createOffscreenSurface(4, 4, surface), DisplayResult::Ok);
    // Region (1, 0) 2 by 1: red then blue, each stretched over two columns and four rows.
    ASSERT_EQ(DDCopyBitmap(*surface, fourColourPicture(), 1, 0, 2, 1), DisplayResult::Ok);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(surface->pixel(0, y), 249);
        EXPECT_EQ(surface->pixel(1, y), 249);
        EXPECT_EQ(surface->pixel(2, y), 252);
        EXPECT_EQ(surface->pixel(3, y), 252);
    }
    // Zero width and height mean the whole picture (from the given corner).
    ASSERT_EQ(DDCopyBitmap(*surface, fourColourPicture(), 0, 0, 0, 0), DisplayResult::Ok);
    EXPECT_EQ(surface->pixel(0, 0), 0);
    EXPECT_EQ(surface->pixel(3, 0), 255);
    EXPECT_EQ(surface->pixel(3, 3), 255);
    EXPECT_EQ(DDCopyBitmap(*surface, QImage(), 0, 0, 0, 0), DisplayResult::InvalidParams);
}

} // namespace
} // namespace trelon
