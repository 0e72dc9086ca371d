#include "display/FrameConverter.h"

#include "support/DisplayTestSupport.h"

namespace trelon {
namespace {

PaletteTable twoColourTable(QRgb zero, QRgb one) {
    PaletteTable table{};
    table[0] = {static_cast<std::uint8_t>(qRed(zero)), static_cast<std::uint8_t>(qGreen(zero)),
                static_cast<std::uint8_t>(qBlue(zero)), 0};
    table[1] = {static_cast<std::uint8_t>(qRed(one)), static_cast<std::uint8_t>(qGreen(one)),
                static_cast<std::uint8_t>(qBlue(one)), 0};
    return table;
}

// Counts the frame pixels of colour.
int countOf(const QImage& frame, QRgb colour) {
    int count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            count += frame.pixel(x, y) == (colour | 0xFF000000u) ? 1 : 0;
        }
    }
    return count;
}

class FrameConverterTest : public ::testing::Test {
protected:
    void SetUp() override {
        device = test::makeDevice(QSize(37, 21)); // pitch 40: rows are padded
        ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
        table = twoColourTable(qRgb(10, 20, 30), qRgb(200, 100, 0));
        converter.update(*primary, table);
    }

    // Sets pixels of box to entry behind the converter's back (no invalidate).
    void setPixels(const QRect& box, std::uint8_t entry) {
        SurfaceLock access;
        ASSERT_EQ(primary->lock(access), DisplayResult::Ok);
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                access.bits[y * access.pitch + x] = entry;
            }
        }
        ASSERT_EQ(primary->unlock(box), DisplayResult::Ok);
    }

    std::shared_ptr<DisplayDevice> device;
    std::shared_ptr<Surface> primary;
    PaletteTable table;
    FrameConverter converter;
};

TEST_F(FrameConverterTest, FirstUpdateConvertsEverything) {
    EXPECT_EQ(converter.frame().size(), QSize(37, 21));
    EXPECT_EQ(converter.frame().format(), QImage::Format_RGB32);
    EXPECT_EQ(countOf(converter.frame(), qRgb(10, 20, 30)), 37 * 21);
    EXPECT_FALSE(converter.hasPendingChanges());
}

TEST_F(FrameConverterTest, DirtyBoxReconvertsOnlyThatBox) {
    setPixels(primary->rect(), 1);               // the whole surface changes ...
    converter.invalidate(QRect(30, 15, 20, 20)); // ... but only this box is reported
    const QRegion converted = converter.update(*primary, table);
    EXPECT_EQ(converted, QRegion(QRect(QPoint(30, 15), QPoint(36, 20))));
    EXPECT_EQ(countOf(converter.frame(), qRgb(200, 100, 0)), 7 * 6);
    EXPECT_EQ(converter.frame().pixel(36, 20), qRgb(200, 100, 0));
    EXPECT_EQ(converter.frame().pixel(29, 20), qRgb(10, 20, 30));
    EXPECT_EQ(converter.frame().pixel(36, 14), qRgb(10, 20, 30));

    // Two separate boxes convert separately, not their bounding box.
    converter.invalidate(QRect(0, 0, 2, 2));
    converter.invalidate(QRect(10, 10, 1, 1));
    converter.update(*primary, table);
    EXPECT_EQ(countOf(converter.frame(), qRgb(200, 100, 0)), 7 * 6 + 4 + 1);
}

TEST_F(FrameConverterTest, PaletteWriteRecoloursEverything) {
    setPixels(QRect(0, 0, 5, 5), 1);
    table[0] = {1, 2, 3, 0};
    // No invalidate at all: a different palette table alone forces the whole frame.
    const QRegion converted = converter.update(*primary, table);
    EXPECT_EQ(converted, QRegion(primary->rect()));
    EXPECT_EQ(countOf(converter.frame(), qRgb(1, 2, 3)), 37 * 21 - 25);
    EXPECT_EQ(countOf(converter.frame(), qRgb(200, 100, 0)), 25);

    // With the same table, invalidateAll still forces the whole frame.
    converter.invalidateAll();
    EXPECT_TRUE(converter.hasPendingChanges());
    EXPECT_EQ(converter.update(*primary, table), QRegion(primary->rect()));
}

TEST_F(FrameConverterTest, NewPrimarySizeStartsAFreshFrame) {
    primary.reset();
    ASSERT_EQ(device->setCooperativeLevel(), DisplayResult::Ok);
    ASSERT_EQ(device->setDisplayMode(12, 7, 8), DisplayResult::Ok);
    ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
    converter.invalidate(QRect(0, 0, 1, 1));
    EXPECT_EQ(converter.update(*primary, table), QRegion(QRect(0, 0, 12, 7)));
    EXPECT_EQ(converter.frame().size(), QSize(12, 7));
}

} // namespace
} // namespace trelon
