#include "display/DisplayDevice.h"

#include "support/DisplayTestSupport.h"

#include <QSet>
#include <functional>

namespace trelon {
namespace {

using test::makeDevice;

TEST(DisplayDeviceTest, EveryCreationStepCanBeForcedToFail) {
    DisplayFailures forced;
    forced.createDevice = true;
    std::shared_ptr<DisplayDevice> device;
    EXPECT_EQ(DisplayDevice::create(QSize(64, 48), forced, device), DisplayResult::OutOfMemory);
    EXPECT_EQ(device, nullptr);

    device = makeDevice();
    struct Step {
        bool DisplayFailures::*flag;
        std::function<DisplayResult()> run;
        DisplayResult expected;
    };
    std::shared_ptr<Palette> palette;
    std::shared_ptr<Surface> surface;
    const Step steps[] = {
        {&DisplayFailures::cooperativeLevel, [&] { return device->setCooperativeLevel(); },
         DisplayResult::Generic},
        {&DisplayFailures::displayMode, [&] { return device->setDisplayMode(64, 48, 8); },
         DisplayResult::InvalidMode},
        {&DisplayFailures::createPalette,
         [&] { return device->createPalette(defaultPaletteTable(), palette); },
         DisplayResult::OutOfMemory},
        {&DisplayFailures::createPrimary, [&] { return device->createPrimarySurface(surface); },
         DisplayResult::OutOfMemory},
        {&DisplayFailures::createOffscreen,
         [&] { return device->createOffscreenSurface(8, 8, surface); }, DisplayResult::OutOfMemory},
    };
    for (const Step& step : steps) {
        DisplayFailures only;
        only.*(step.flag) = true;
        device->setForcedFailures(only);
        EXPECT_EQ(step.run(), step.expected);
        EXPECT_EQ(palette, nullptr);
        EXPECT_EQ(surface, nullptr);
        device->setForcedFailures({});
        EXPECT_EQ(step.run(), DisplayResult::Ok);
        palette.reset();
        surface.reset();
    }
}

TEST(DisplayDeviceTest, DisplayModeNeedsExclusiveUseAndEightBits) {
    auto device = makeDevice(QSize(64, 48));
    EXPECT_EQ(device->setDisplayMode(800, 600, 8), DisplayResult::NoExclusiveMode);
    ASSERT_EQ(device->setCooperativeLevel(), DisplayResult::Ok);
    EXPECT_EQ(device->setDisplayMode(800, 600, 32), DisplayResult::InvalidMode);
    EXPECT_EQ(device->setDisplayMode(0, 600, 8), DisplayResult::InvalidMode);
    EXPECT_EQ(device->screenSize(), QSize(64, 48));
    ASSERT_EQ(device->setDisplayMode(800, 600, 8), DisplayResult::Ok);
    std::shared_ptr<Surface> primary;
    ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
    EXPECT_EQ(primary->rect(), QRect(0, 0, 800, 600));
}

TEST(DisplayDeviceTest, BadSizesAreRefused) {
    std::shared_ptr<DisplayDevice> device;
    EXPECT_EQ(DisplayDevice::create(QSize(0, 10), {}, device), DisplayResult::InvalidParams);
    device = makeDevice();
    std::shared_ptr<Surface> surface;
    EXPECT_EQ(device->createOffscreenSurface(0, 5, surface), DisplayResult::InvalidParams);
    EXPECT_EQ(device->createOffscreenSurface(5, -1, surface), DisplayResult::InvalidParams);
    EXPECT_EQ(device->createOffscreenSurface(100000, 100000, surface), DisplayResult::OutOfMemory);
    EXPECT_EQ(surface, nullptr);
}

TEST(DisplayDeviceTest, ResultDescriptions) {
    EXPECT_EQ(describeResult(kUnrecognizedResultCode), QStringLiteral("Unrecognized Error"));
    EXPECT_EQ(describeResult(-5), QStringLiteral("Unrecognized Error"));
    EXPECT_EQ(describeResult(12345), QStringLiteral("Unrecognized Error"));
    // Every named code has its own text.
    QSet<QString> texts;
    for (int code = 0; code <= static_cast<int>(DisplayResult::NoPaletteAttached); ++code) {
        if (code != kUnrecognizedResultCode) {
            texts.insert(describeResult(code));
        }
    }
    EXPECT_FALSE(texts.contains(QStringLiteral("Unrecognized Error")));
    EXPECT_EQ(texts.size(), static_cast<int>(DisplayResult::NoPaletteAttached));
    EXPECT_EQ(describeResult(DisplayResult::OutOfMemory),
              describeResult(static_cast<int>(DisplayResult::OutOfMemory)));
}

TEST(ScreenPaletteTest, OnlyThePaletteOnTheScreenNotifiesAndAttachingShowsIt) {
    auto device = makeDevice();
    test::RecordingObserver observer;
    device->addScreenObserver(&observer);
    device->addScreenObserver(&observer); // registering twice counts once
    auto shown = test::makePalette(*device, defaultPaletteTable());
    auto other = test::makePalette(*device, defaultPaletteTable());
    std::shared_ptr<Surface> primary;
    ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);

    EXPECT_EQ(&device->screenPalette(), &primary->effectivePalette());
    EXPECT_EQ(device->screenPalette().entries(), systemPaletteTable());

    primary->attachPalette(shown);
    EXPECT_EQ(observer.paletteWrites, 1);
    EXPECT_EQ(&device->screenPalette(), shown.get());
    shown->setEntries(test::greyTable());
    EXPECT_EQ(observer.paletteWrites, 2);
    other->setEntries(test::greyTable());
    EXPECT_EQ(observer.paletteWrites, 2);

    // Releasing the primary keeps the screen's palette; releasing that palette falls back to
    // the system palette.
    primary.reset();
    EXPECT_EQ(&device->screenPalette(), shown.get());
    shown.reset();
    EXPECT_EQ(device->screenPalette().entries(), systemPaletteTable());

    device->removeScreenObserver(&observer);
    ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
    primary->attachPalette(other);
    EXPECT_EQ(observer.paletteWrites, 2);
}

TEST(ScreenPaletteTest, ObjectsOutlivingTheDeviceNoLongerNotify) {
    auto device = makeDevice();
    test::RecordingObserver observer;
    device->addScreenObserver(&observer);
    auto palette = test::makePalette(*device, defaultPaletteTable());
    std::shared_ptr<Surface> primary;
    ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
    primary->attachPalette(palette);
    const int writes = observer.paletteWrites;
    const std::size_t boxes = observer.boxes.size();
    device.reset();
    palette->setEntries(test::greyTable());
    ASSERT_EQ(primary->fill(3), DisplayResult::Ok);
    EXPECT_EQ(observer.paletteWrites, writes);
    EXPECT_EQ(observer.boxes.size(), boxes);
}

} // namespace
} // namespace trelon
