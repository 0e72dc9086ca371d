#include "display/Surface.h"

#include "display/Canvas.h"
#include "support/DisplayTestSupport.h"

namespace trelon {
namespace {

using test::makeDevice;
using test::makeSurface;

// Writes a distinct pattern (x + 10 * y, wrapping) through the lock.
void paintPattern(Surface& surface) {
    SurfaceLock access;
    ASSERT_EQ(surface.lock(access), DisplayResult::Ok);
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            access.bits[y * access.pitch + x] = static_cast<std::uint8_t>(x + 10 * y);
        }
    }
    ASSERT_EQ(surface.unlock(), DisplayResult::Ok);
}

TEST(SurfaceTest, PitchIsTheWidthRoundedUpToFourAndRowsStepByIt) {
    auto device = makeDevice();
    auto surface = makeSurface(*device, 5, 3);
    EXPECT_EQ(surface->pitch(), 8);
    EXPECT_EQ(surface->describe().width, 5);
    EXPECT_EQ(surface->describe().height, 3);
    EXPECT_FALSE(surface->isPrimary());
    paintPattern(*surface);
    EXPECT_EQ(surface->pixel(4, 2), 24);
    EXPECT_EQ(surface->pixel(0, 1), 10);
    EXPECT_EQ(makeSurface(*device, 8, 1)->pitch(), 8);
}

TEST(SurfaceTest, LockProtocolRefusesMisuse) {
    auto device = makeDevice();
    auto surface = makeSurface(*device, 4, 4);
    auto other = makeSurface(*device, 4, 4);
    EXPECT_EQ(surface->unlock(), DisplayResult::NotLocked);
    SurfaceLock access;
    ASSERT_EQ(surface->lock(access), DisplayResult::Ok);
    SurfaceLock again;
    EXPECT_EQ(surface->lock(again), DisplayResult::SurfaceBusy);
    EXPECT_EQ(again.bits, nullptr);
    EXPECT_EQ(other->bltFast(0, 0, *surface), DisplayResult::SurfaceBusy);
    EXPECT_EQ(surface->bltFast(0, 0, *other), DisplayResult::SurfaceBusy);
    EXPECT_EQ(surface->unlock(), DisplayResult::Ok);
    EXPECT_EQ(other->bltFast(0, 0, *surface), DisplayResult::Ok);
}

TEST(SurfaceTest, BltFastCopiesOpaquelyWithClippingOnBothSides) {
    auto device = makeDevice();
    auto source = makeSurface(*device, 6, 5); // pitch 8 > width
    auto target = makeSurface(*device, 7, 6);
    paintPattern(*source);
    ASSERT_EQ(target->fill(200), DisplayResult::Ok);

    // Source rectangle partly outside the source, destination partly outside the target.
    ASSERT_EQ(target->bltFast(4, -1, *source, QRect(-2, 0, 5, 4)), DisplayResult::Ok);
    // Columns -2, -1 of the source do not exist, so source column 0 lands at x = 6; source
    // row 0 lands above the target, so row 1 lands at y = 0.
    EXPECT_EQ(target->pixel(6, 0), 10);
    EXPECT_EQ(target->pixel(6, 2), 30);
    EXPECT_EQ(target->pixel(5, 0), 200);
    EXPECT_EQ(target->pixel(6, 3), 200);

    // Zero values (entry 0) are copied too: no colour key.
    auto zeros = makeSurface(*device, 2, 2);
    ASSERT_EQ(target->bltFast(0, 0, *zeros), DisplayResult::Ok);
    EXPECT_EQ(target->pixel(1, 1), 0);
    EXPECT_EQ(target->pixel(2, 2), 200);
}

TEST(SurfaceTest, BltFastWithinOneSurfaceHandlesOverlap) {
    auto device = makeDevice();
    auto surface = makeSurface(*device, 5, 5);
    paintPattern(*surface);
    ASSERT_EQ(surface->bltFast(1, 1, *surface, QRect(0, 0, 4, 4)), DisplayResult::Ok);
    EXPECT_EQ(surface->pixel(1, 1), 0);
    EXPECT_EQ(surface->pixel(4, 4), 33);
    EXPECT_EQ(surface->pixel(4, 2), 13);
    ASSERT_EQ(surface->bltFast(0, 0, *surface, QRect(1, 1, 4, 4)), DisplayResult::Ok);
    EXPECT_EQ(surface->pixel(0, 0), 0);
    EXPECT_EQ(surface->pixel(3, 3), 33);
}

TEST(SurfaceTest, BltStretchesNearestNeighbourAndClips) {
    auto device = makeDevice();
    auto source = makeSurface(*device, 2, 2);
    paintPattern(*source); // 0 1 / 10 11
    auto target = makeSurface(*device, 5, 5);
    ASSERT_EQ(target->fill(99), DisplayResult::Ok);
    ASSERT_EQ(target->blt(QRect(1, 1, 6, 4), *source), DisplayResult::Ok);
    EXPECT_EQ(target->pixel(0, 0), 99);
    EXPECT_EQ(target->pixel(1, 1), 0);
    EXPECT_EQ(target->pixel(3, 2), 0);
    EXPECT_EQ(target->pixel(4, 1), 1);
    EXPECT_EQ(target->pixel(1, 3), 10);
    EXPECT_EQ(target->pixel(4, 4), 11);

    // Shrinking the whole of a big surface onto a small one samples every other pixel.
    auto big = makeSurface(*device, 6, 6);
    paintPattern(*big);
    auto small = makeSurface(*device, 3, 3);
    ASSERT_EQ(small->blt(QRect(), *big), DisplayResult::Ok);
    EXPECT_EQ(small->pixel(1, 1), 22);
    EXPECT_EQ(small->pixel(2, 2), 44);

    // A source rectangle reaching past the source leaves those destination pixels alone.
    ASSERT_EQ(target->fill(99), DisplayResult::Ok);
    ASSERT_EQ(target->blt(QRect(0, 0, 4, 4), *source, QRect(1, 1, 2, 2)), DisplayResult::Ok);
    EXPECT_EQ(target->pixel(0, 0), 11);
    EXPECT_EQ(target->pixel(1, 1), 11);
    EXPECT_EQ(target->pixel(2, 0), 99);
    EXPECT_EQ(target->pixel(0, 2), 99);

    EXPECT_EQ(target->blt(QRect(0, 0, -2, 2), *source), DisplayResult::InvalidRect);
}

TEST(SurfaceTest, ForcedFailuresOfLockAndBlit) {
    auto device = makeDevice();
    auto a = makeSurface(*device, 4, 4);
    auto b = makeSurface(*device, 4, 4);
    DisplayFailures forced;
    forced.lock = true;
    forced.blit = true;
    device->setForcedFailures(forced);
    SurfaceLock access;
    EXPECT_EQ(a->lock(access), DisplayResult::SurfaceBusy);
    EXPECT_EQ(a->fill(3), DisplayResult::SurfaceBusy);
    EXPECT_EQ(a->bltFast(0, 0, *b), DisplayResult::Generic);
    EXPECT_EQ(a->blt(QRect(), *b), DisplayResult::Generic);
    EXPECT_EQ(a->restore(), DisplayResult::Ok);
}

class PrimaryReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        device = makeDevice(QSize(100, 80));
        device->addScreenObserver(&observer);
        ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
        observer.boxes.clear();
    }

    std::shared_ptr<DisplayDevice> device;
    std::shared_ptr<Surface> primary;
    test::RecordingObserver observer;
};

TEST_F(PrimaryReportTest, PrimaryHasTheScreenSizeAndIsUnique) {
    EXPECT_TRUE(primary->isPrimary());
    EXPECT_EQ(primary->rect(), QRect(0, 0, 100, 80));
    std::shared_ptr<Surface> second;
    EXPECT_EQ(device->createPrimarySurface(second), DisplayResult::PrimaryExists);
    EXPECT_EQ(second, nullptr);
    primary.reset();
    EXPECT_EQ(device->createPrimarySurface(second), DisplayResult::Ok);
    EXPECT_EQ(observer.boxes.back(), QRect(0, 0, 100, 80));
}

TEST_F(PrimaryReportTest, UnlockReportsTheGivenBoxOrEverything) {
    SurfaceLock access;
    ASSERT_EQ(primary->lock(access), DisplayResult::Ok);
    ASSERT_EQ(primary->unlock(QRect(10, 20, 5, 6)), DisplayResult::Ok);
    ASSERT_EQ(primary->lock(access), DisplayResult::Ok);
    ASSERT_EQ(primary->unlock(QRect(90, 70, 50, 50)), DisplayResult::Ok);
    ASSERT_EQ(primary->lock(access), DisplayResult::Ok);
    ASSERT_EQ(primary->unlock(), DisplayResult::Ok);
    EXPECT_EQ(observer.boxes,
              (std::vector<QRect>{QRect(10, 20, 5, 6), QRect(90, 70, 10, 10), primary->rect()}));
}

TEST_F(PrimaryReportTest, BlitsReportOnlyWhatActuallyChanged) {
    auto scene = makeSurface(*device, 100, 80);
    ASSERT_EQ(primary->bltFast(0, 0, *scene), DisplayResult::Ok);
    EXPECT_TRUE(observer.boxes.empty()); // identical pixels: nothing to repaint

    SurfaceLock access;
    ASSERT_EQ(scene->lock(access), DisplayResult::Ok);
    access.bits[30 * access.pitch + 40] = 5;
    access.bits[33 * access.pitch + 47] = 6;
    ASSERT_EQ(scene->unlock(), DisplayResult::Ok);
    ASSERT_EQ(primary->bltFast(0, 0, *scene), DisplayResult::Ok);
    ASSERT_EQ(observer.boxes.size(), 1u);
    EXPECT_EQ(observer.boxes[0], QRect(QPoint(40, 30), QPoint(47, 33)));

    ASSERT_EQ(primary->blt(QRect(60, 10, 30, 20), *scene, QRect(0, 0, 10, 10)), DisplayResult::Ok);
    EXPECT_EQ(observer.boxes.back(), QRect(60, 10, 30, 20));
}

TEST_F(PrimaryReportTest, CanvasDrawingReportsItsBox) {
    std::unique_ptr<Canvas> canvas;
    ASSERT_EQ(primary->getCanvas(canvas), DisplayResult::Ok);
    canvas->fillRect(QRect(5, 6, 7, 8), colourWord(255, 255, 255));
    EXPECT_EQ(observer.boxes.back(), QRect(5, 6, 7, 8));
}

TEST_F(PrimaryReportTest, OffscreenChangesAreNotReported) {
    auto scene = makeSurface(*device, 10, 10);
    ASSERT_EQ(scene->fill(7), DisplayResult::Ok);
    EXPECT_TRUE(observer.boxes.empty());
}

} // namespace
} // namespace trelon
