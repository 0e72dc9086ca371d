#include "stimulus/DisplaySetup.h"

#include "display/DisplayObjects.h"
#include "support/DisplayTestSupport.h"

#include <QTemporaryDir>

namespace trelon {
namespace {

class DisplaySetupTest : public ::testing::Test {
protected:
    DisplayStartResult start(const DisplayFailures& forced = {}) {
        return StartDisplay(display, roles, 0, dir.path(), QSize(320, 200), forced);
    }

    QTemporaryDir dir;
    DisplayObjects display;
    RoleColours roles{colourWord(0, 0, 255), colourWord(255, 0, 0), colourWord(9, 9, 9),
                      colourWord(99, 99, 99)};
};

TEST_F(DisplaySetupTest, StartTakesTheScreenAndWritesTheWorkingColours) {
    const DisplayStartResult result = start();
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.message.isEmpty());
    ASSERT_NE(display.DisplayDevice, nullptr);
    ASSERT_NE(display.DisplayPalette, nullptr);
    EXPECT_EQ(display.DisplayDevice->screenSize(), QSize(320, 200));
    // No lake.bmp here: the 3-3-2 table with the role colours and the panel grey.
    PaletteTable expected = defaultPaletteTable();
    expected[21] = {1, 1, 255, 0};
    expected[22] = {255, 1, 1, 0};
    expected[23] = {9, 9, 9, 0};
    expected[24] = {99, 99, 99, 0};
    expected[30] = {212, 208, 200, 0};
    EXPECT_EQ(display.DisplayPalette->entries(), expected);
}

TEST_F(DisplaySetupTest, EachFailingStepStopsWithItsMessageAndReleasesTheDevice) {
    struct Case {
        bool DisplayFailures::*step;
        const char* message;
    };
    const Case cases[] = {
        {&DisplayFailures::createDevice, "Ошибка в работе DirectX 1"},
        {&DisplayFailures::cooperativeLevel, "Ошибка в работе DirectX 2"},
        {&DisplayFailures::displayMode, ""},
        {&DisplayFailures::createPalette, ""},
    };
    for (const Case& c : cases) {
        DisplayFailures forced;
        forced.*(c.step) = true;
        const DisplayStartResult result = start(forced);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, QString::fromUtf8(c.message));
        EXPECT_EQ(display.DisplayDevice, nullptr);
        EXPECT_EQ(display.DisplayPalette, nullptr);
    }
}

TEST_F(DisplaySetupTest, ReloadBasePaletteReplacesThePaletteOnThePrimary) {
    ASSERT_TRUE(start().ok);
    ASSERT_EQ(display.DisplayDevice->createPrimarySurface(display.PrimarySurface),
              DisplayResult::Ok);
    display.PrimarySurface->attachPalette(display.DisplayPalette);
    test::RecordingObserver observer;
    display.DisplayDevice->addScreenObserver(&observer);

    ASSERT_TRUE(ReloadBasePalette(display, dir.path()));
    EXPECT_EQ(display.PrimarySurface->attachedPalette(), display.DisplayPalette);
    EXPECT_EQ(display.DisplayPalette->entries(), defaultPaletteTable()); // roles not yet written
    EXPECT_EQ(observer.paletteWrites, 1);

    DisplayFailures forced;
    forced.createPalette = true;
    display.DisplayDevice->setForcedFailures(forced);
    EXPECT_FALSE(ReloadBasePalette(display, dir.path()));
    EXPECT_EQ(display.DisplayPalette, nullptr);

    DisplayObjects empty;
    EXPECT_FALSE(ReloadBasePalette(empty, dir.path()));
}

TEST_F(DisplaySetupTest, ReleaseClearsEveryReferenceAndToleratesEmptyOnes) {
    ASSERT_TRUE(start().ok);
    DisplayDevice& device = *display.DisplayDevice;
    ASSERT_EQ(device.createPrimarySurface(display.PrimarySurface), DisplayResult::Ok);
    ASSERT_EQ(device.createOffscreenSurface(4, 4, display.SceneSurface), DisplayResult::Ok);
    ASSERT_EQ(device.createOffscreenSurface(4, 4, display.AuxSurface), DisplayResult::Ok);
    ASSERT_EQ(device.createOffscreenSurface(4, 4, display.PictureSurface), DisplayResult::Ok);
    ReleaseDisplayObjects(display);
    EXPECT_EQ(display.DisplayDevice, nullptr);
    EXPECT_EQ(display.DisplayPalette, nullptr);
    EXPECT_EQ(display.PrimarySurface, nullptr);
    EXPECT_EQ(display.SceneSurface, nullptr);
    EXPECT_EQ(display.AuxSurface, nullptr);
    EXPECT_EQ(display.PictureSurface, nullptr);
    ReleaseDisplayObjects(display);
}

} // namespace
} // namespace trelon
