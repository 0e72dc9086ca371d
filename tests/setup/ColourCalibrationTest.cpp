// The colour calibration logic: field rules, spins, level and glasses changes, the store
// into Class.ini, the test pattern and the starting colours.
#include "setup/ColourCalibration.h"

#include "display/DisplayDevice.h"
#include "stimulus/PaletteRoutines.h"
#include "support/ConfigScreenFixture.h"

using namespace trelon;
using namespace trelon::test;

namespace {

enum Field { BR, BG, BB, RR, RG, RB, DR, DG, DB, SR, SG, SB };

class ColourCalibrationTest : public ConfigScreenFixture {
protected:
    void open(const QStringList& lines = {QStringLiteral("[Default]")}) {
        startWith(lines);
        calibration.startUp();
        calibration.activate(kScreen);
    }
    int entry(int index, int channel) const {
        const PaletteEntry& e = state.display.DisplayPalette->entries()[index];
        return channel == 0 ? e.red : channel == 1 ? e.green : e.blue;
    }
    ColourCalibration calibration{state, dialogs};
};

TEST_F(ColourCalibrationTest, FieldRulesPutBackRefuseAndTreatRedZeroPerColour) {
    open();
    calibration.editField(RG, QStringLiteral("120"));
    for (const char* typed : {"300", "12a", "+5", "256"}) {
        calibration.editField(RG, QString::fromLatin1(typed));
        EXPECT_EQ(calibration.fieldText(RG), QStringLiteral("120")) << typed;
        EXPECT_EQ(state.roles.ColorRed, colourWord(240, 120, 50)) << typed;
    }
    calibration.editField(RG, QStringLiteral("0255"));
    EXPECT_EQ(state.roles.ColorRed, colourWord(240, 255, 50));
    EXPECT_EQ(state.SavedColors.ColorRed, state.roles.ColorRed);
    EXPECT_EQ(entry(22, 1), 255); // the palette follows at once

    // A filter colour stores red 0 as 1 whichever field changed.
    calibration.editField(BR, QString());
    EXPECT_EQ(calibration.fieldText(BR), QStringLiteral("0"));
    EXPECT_EQ(state.roles.ColorBlue, colourWord(1, 100, 240));
    calibration.editField(BG, QStringLiteral("7"));
    EXPECT_EQ(redOf(state.roles.ColorBlue), 1);
    // The background only when its red field is the one changed.
    calibration.editField(DR, QStringLiteral("0"));
    EXPECT_EQ(redOf(state.roles.ColorFon), 1);
    calibration.editField(DB, QString());
    EXPECT_EQ(calibration.fieldText(DB), QStringLiteral("0"));
    EXPECT_EQ(state.roles.ColorFon, colourWord(0, 100, 0));
    EXPECT_EQ(entry(23, 0), 1); // no zero component reaches the palette
    // The background equal to the joint colour still shows in its own entry.
    calibration.editField(DR, QStringLiteral("100"));
    calibration.editField(DB, QStringLiteral("100"));
    EXPECT_EQ(state.roles.ColorFon, state.roles.ColorAll);
    EXPECT_EQ(entry(23, 2), 100);
}

TEST_F(ColourCalibrationTest, SpinsStepFromTheStoredWordAndStopAt0And255) {
    open();
    calibration.editField(RR, QStringLiteral("255"));
    calibration.stepFieldUp(RR);
    EXPECT_EQ(calibration.fieldText(RR), QStringLiteral("255"));
    calibration.editField(DG, QStringLiteral("0"));
    calibration.stepFieldDown(DG);
    EXPECT_EQ(calibration.fieldText(DG), QStringLiteral("0"));
    calibration.editField(BR, QStringLiteral("0")); // shown 0, stored 1
    calibration.stepFieldUp(BR);
    EXPECT_EQ(calibration.fieldText(BR), QStringLiteral("2"));
    calibration.stepFieldDown(BB);
    EXPECT_EQ(blueOf(state.roles.ColorBlue), 239);
}

TEST_F(ColourCalibrationTest, SwitchingGlassesReloadsTheLevelsColoursAndKeepsTheLevel) {
    open({QStringLiteral("[Default]"), QStringLiteral("Contrast=2"),
          QStringLiteral("RG_Middle_Red_in_All=11")});
    const RoleColours opened = state.roles;
    const auto words = [](const RoleColours& c) {
        return std::array{c.ColorBlue, c.ColorRed, c.ColorFon, c.ColorAll};
    };
    calibration.editField(RR, QStringLiteral("5")); // not stored: dropped by the switch
    calibration.chooseRedGreenGlasses();
    EXPECT_EQ(state.settings.GlassesType, GlassesRedGreen);
    EXPECT_EQ(state.ContrastLevel, 2);
    EXPECT_EQ(state.roles.ColorRed, colourWord(190, 140, 100));
    EXPECT_EQ(state.roles.ColorBlue, colourWord(140, 190, 100));
    EXPECT_EQ(state.roles.ColorAll, colourWord(11, 100, 100));
    EXPECT_EQ(calibration.fieldText(SR), QStringLiteral("11"));
    EXPECT_EQ(calibration.fieldText(BG), QStringLiteral("190"));
    EXPECT_EQ(entry(21, 1), 190);

    // Discarding goes back to the colours, glasses and level the screen opened with.
    calibration.chooseContrast(2);
    calibration.editField(BG, QStringLiteral("77"));
    calibration.discardChanges();
    EXPECT_TRUE(calibration.redBlueChecked() && state.settings.GlassesType == GlassesRedBlue);
    EXPECT_TRUE(calibration.contrastItem() == 1 && state.ContrastLevel == 2);
    calibration.close(); // the saved copy is put back as well
    EXPECT_EQ(words(state.roles), words(opened));
    EXPECT_EQ(calibration.fieldText(BG), QString::number(greenOf(opened.ColorBlue)));
    EXPECT_EQ(entry(21, 1), greenOf(opened.ColorBlue)); // on the screen
}

TEST_F(ColourCalibrationTest, StoreWritesExactlyTheTwelveKeysOfGlassesAndLevel) {
    open({QStringLiteral("; комментарий"), QStringLiteral("[Default]"),
          QStringLiteral("rg_middle_red_in_red = 1"), QStringLiteral("RB_Middle_Red_in_Red=2"),
          QStringLiteral("MM_500Pixel=150"), QString(), QStringLiteral("[Другое]"),
          QStringLiteral("RG_Middle_Red_in_All=3")});
    calibration.chooseRedGreenGlasses();
    calibration.chooseContrast(1);
    calibration.editField(BR, QString()); // shown 0: stored as 0
    calibration.editField(SG, QStringLiteral("012"));
    calibration.storeColours();
    EXPECT_EQ(stored(),
              iniBytes(utf8Lines(
                  {"; комментарий", "[Default]", "rg_middle_red_in_red=1", "RB_Middle_Red_in_Red=2",
                   "MM_500Pixel=150", "RG_Middle_Green_in_Red=140", "RG_Middle_Blue_in_Red=100",
                   "RG_Middle_Red_in_Green=0", "RG_Middle_Green_in_Green=190",
                   "RG_Middle_Blue_in_Green=100", "RG_Middle_Red_in_Fon=100",
                   "RG_Middle_Green_in_Fon=100", "RG_Middle_Blue_in_Fon=100",
                   "RG_Middle_Red_in_All=100", "RG_Middle_Green_in_All=012",
                   "RG_Middle_Blue_in_All=100", "", "[Другое]", "RG_Middle_Red_in_All=3"})));
    EXPECT_EQ(state.settings.colours.at(GlassesRedGreen, 2, TargetOther, ChannelRed), 0);
    EXPECT_EQ(state.settings.colours.at(GlassesRedGreen, 2, TargetAll, ChannelGreen), 12);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ColourCalibrationTest, PatternShowsTheOverlapInTheJointEntryAndPaletteWritesRecolourIt) {
    open();
    const QPoint at = layOutCalibration(kScreen).pattern;
    const Surface& primary = *state.display.PrimarySurface;
    const auto shown = [&](int x, int y) { return primary.pixel(at.x() + x, at.y() + y); };
    EXPECT_EQ(primary.pixel(0, 0), 30);
    EXPECT_EQ(shown(0, 0), 23);
    EXPECT_EQ(shown(259, 259), 23);
    EXPECT_EQ(shown(49, 49), 21);
    EXPECT_EQ(shown(179, 88), 21);
    EXPECT_EQ(shown(89, 89), 24);
    EXPECT_EQ(shown(179, 179), 24);
    EXPECT_EQ(shown(180, 180), 22);
    EXPECT_EQ(shown(219, 219), 22);
    EXPECT_EQ(shown(220, 220), 23);
    calibration.editField(SB, QStringLiteral("33"));
    EXPECT_EQ(state.display.DisplayDevice->screenPalette().entries()[24].blue, 33);
}

TEST_F(ColourCalibrationTest, StartingColoursFollowContrastWithRedGreenGlasses) {
    for (const auto& [contrast, level] : {std::pair{2, 2}, {5, 3}, {0, 0}}) {
        state.roles = RoleColours{};
        state.ContrastLevel = 1;
        startWith({QStringLiteral("[Default]"), QStringLiteral("FilterGreenBlue=1"),
                   QStringLiteral("Contrast=%1").arg(contrast)});
        ColourCalibration created(state, dialogs);
        created.startUp();
        EXPECT_EQ(created.contrastItem(), level - 1) << contrast;
        EXPECT_FALSE(created.redBlueChecked());
        EXPECT_EQ(state.ContrastLevel, level == 0 ? 1 : level) << contrast;
        RoleColours expected;
        SelectRoleColours(expected, state.settings, level, GlassesRedGreen);
        EXPECT_EQ(state.roles.ColorRed, expected.ColorRed) << contrast;
        EXPECT_EQ(state.roles.ColorAll, expected.ColorAll) << contrast;
        EXPECT_EQ(state.SavedColors.ColorBlue, expected.ColorBlue) << contrast;
    }
}

TEST_F(ColourCalibrationTest, TheSetUpScreensChoiceRunsTheLevelHandlerOnlyWhenItChanges) {
    open();
    calibration.editField(RR, QStringLiteral("9"));
    calibration.setContrastChoice(1); // unchanged: the edit stays
    EXPECT_EQ(redOf(state.roles.ColorRed), 9);
    calibration.setContrastChoice(3);
    EXPECT_EQ(calibration.contrastItem(), 2);
    EXPECT_EQ(state.ContrastLevel, 3);
    EXPECT_EQ(state.roles.ColorRed, colourWord(190, 0, 170));
    EXPECT_EQ(entry(22, 2), 170);
}

} // namespace
