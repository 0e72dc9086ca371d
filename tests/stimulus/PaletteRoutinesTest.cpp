#include "stimulus/PaletteRoutines.h"

#include "support/DisplayTestSupport.h"

namespace trelon {
namespace {

using test::makeDevice;
using test::makePalette;

PaletteEntry rgb(int r, int g, int b, int flags = 0) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(flags)};
}

// A palette whose every entry is distinct and carries flags, so untouched entries show.
PaletteTable markedTable() {
    PaletteTable table{};
    for (int i = 0; i < kPaletteSize; ++i) {
        table[i] = rgb(i, 255 - i, i / 2, i % 7);
    }
    return table;
}

class PaletteRoutinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        device = makeDevice();
        palette = makePalette(*device, markedTable());
        roles.ColorBlue = colourWord(0, 0, 255);
        roles.ColorRed = colourWord(255, 0, 0);
        roles.ColorFon = colourWord(10, 20, 30);
        roles.ColorAll = colourWord(200, 0, 100);
    }

    PaletteTable entries() const { return palette->entries(); }

    std::shared_ptr<DisplayDevice> device;
    std::shared_ptr<Palette> palette;
    RoleColours roles;
};

TEST_F(PaletteRoutinesTest, WorkingPaletteWritesRolesWithZeroComponentsAsOne) {
    ApplyWorkingPalette(*palette, roles, 0);
    const PaletteTable table = entries();
    EXPECT_EQ(table[21], rgb(1, 1, 255, 21 % 7));
    EXPECT_EQ(table[22], rgb(255, 1, 1, 22 % 7));
    EXPECT_EQ(table[23], rgb(10, 20, 30, 23 % 7));
    EXPECT_EQ(table[24], rgb(200, 1, 100, 24 % 7));
    EXPECT_EQ(table[30], rgb(212, 208, 200, 30 % 7));
    // The colour words keep their zeros.
    EXPECT_EQ(roles.ColorRed, colourWord(255, 0, 0));
    // Nothing else changed.
    PaletteTable expected = markedTable();
    for (int entry : {21, 22, 23, 24, 30}) {
        expected[entry] = table[entry];
    }
    EXPECT_EQ(table, expected);
}

TEST_F(PaletteRoutinesTest, PaletteShiftMovesEveryWrittenEntryDown) {
    ApplyWorkingPalette(*palette, roles, 3);
    const PaletteTable table = entries();
    EXPECT_EQ(table[18], rgb(1, 1, 255, 18 % 7));
    EXPECT_EQ(table[21], rgb(200, 1, 100, 21 % 7));
    EXPECT_EQ(table[27], rgb(212, 208, 200, 27 % 7));
    EXPECT_EQ(table[22], markedTable()[22]);
    EXPECT_EQ(table[24], markedTable()[24]);
    EXPECT_EQ(table[30], markedTable()[30]);
}

TEST_F(PaletteRoutinesTest, ShiftBeyondTheTableWritesNothingOutside) {
    ApplyWorkingPalette(*palette, roles, 23); // roles at -2..1, panel at 7
    PaletteTable table = entries();
    EXPECT_EQ(table[0], rgb(10, 20, 30, 0));
    EXPECT_EQ(table[1], rgb(200, 1, 100, 1));
    EXPECT_EQ(table[7], rgb(212, 208, 200, 0));
    ApplyWorkingPalette(*palette, roles, -300);
    SetRoleColour(*palette, roles, 400, roles.ColorAll);
    ApplyPreviewPalette(*palette, Settings(), 100);
    table = entries();
    EXPECT_EQ(table[255], markedTable()[255]);
}

TEST_F(PaletteRoutinesTest, SetRoleColourPicksTheFirstMatchingRoleInOrderAllFonBlueRed) {
    roles.ColorFon = roles.ColorBlue; // one word, two roles
    SetRoleColour(*palette, roles, 0, roles.ColorBlue);
    EXPECT_EQ(entries()[23], rgb(1, 1, 255, 23 % 7));
    EXPECT_EQ(entries()[21], markedTable()[21]);

    roles.ColorAll = roles.ColorRed;
    SetRoleColour(*palette, roles, 2, roles.ColorRed);
    EXPECT_EQ(entries()[22], rgb(255, 1, 1, 22 % 7)); // entry 24 - 2
    EXPECT_EQ(entries()[20], markedTable()[20]);
}

TEST_F(PaletteRoutinesTest, SetRoleColourWithNoMatchingRoleWritesEntryZero) {
    SetRoleColour(*palette, roles, 0, colourWord(5, 0, 7));
    EXPECT_EQ(entries()[0], rgb(5, 1, 7, 0));
    // With a shift the unmatched entry 0 moves below the table and nothing is written.
    SetRoleColour(*palette, roles, 1, colourWord(9, 9, 9));
    EXPECT_EQ(entries()[0], rgb(5, 1, 7, 0));
}

TEST(SelectRoleColoursTest, LevelsOutsideOneToThreeChangeNothing) {
    const Settings settings;
    RoleColours roles{1, 2, 3, 4};
    SelectRoleColours(roles, settings, 0, 0);
    SelectRoleColours(roles, settings, 4, 1);
    SelectRoleColours(roles, settings, -1, 0);
    EXPECT_EQ(roles.ColorBlue, 1u);
    EXPECT_EQ(roles.ColorRed, 2u);
    EXPECT_EQ(roles.ColorFon, 3u);
    EXPECT_EQ(roles.ColorAll, 4u);
}

TEST(SelectRoleColoursTest, GlassesChooseTheKeysAndComponentsAreAdded) {
    Settings settings;
    // Distinct values per glasses, level, role and channel.
    for (int glasses = 0; glasses < 2; ++glasses) {
        for (int level = 1; level <= 3; ++level) {
            for (int target = 0; target < 4; ++target) {
                for (int channel = 0; channel < 3; ++channel) {
                    settings.colours.at(glasses, level, static_cast<CalibrationTarget>(target),
                                        static_cast<ColourChannel>(channel)) =
                        glasses * 100 + level * 20 + target * 4 + channel;
                }
            }
        }
    }
    RoleColours roles;
    SelectRoleColours(roles, settings, 2, 1); // red-green, Middle
    EXPECT_EQ(roles.ColorBlue, colourWord(140, 141, 142));
    EXPECT_EQ(roles.ColorRed, colourWord(144, 145, 146));
    EXPECT_EQ(roles.ColorFon, colourWord(148, 149, 150));
    EXPECT_EQ(roles.ColorAll, colourWord(152, 153, 154));
    SelectRoleColours(roles, settings, 3, 7); // any other glasses value is red-blue
    EXPECT_EQ(roles.ColorBlue, colourWord(60, 61, 62));
    EXPECT_EQ(roles.ColorAll, colourWord(72, 73, 74));

    // Added, not masked: an out-of-range component spills into the next byte.
    settings.colours.at(0, 1, TargetRed, ChannelRed) = 300;
    SelectRoleColours(roles, settings, 1, 0);
    EXPECT_EQ(roles.ColorRed, 300u + 256u * 25u + 65536u * 26u);
}

TEST_F(PaletteRoutinesTest, PreviewPaletteWritesBothGlassesAndLeavesTheGapAlone) {
    Settings settings;
    settings.colours.at(GlassesRedBlue, 1, TargetOther, ChannelRed) = 0;
    settings.colours.at(GlassesRedBlue, 1, TargetOther, ChannelGreen) = 0;
    settings.colours.at(GlassesRedBlue, 1, TargetOther, ChannelBlue) = 250;
    settings.colours.at(GlassesRedGreen, 3, TargetAll, ChannelRed) = 11;
    settings.colours.at(GlassesRedGreen, 3, TargetAll, ChannelGreen) = 12;
    settings.colours.at(GlassesRedGreen, 3, TargetAll, ChannelBlue) = 13;
    settings.GlassesType = GlassesRedGreen; // both groups are written whatever it is
    ApplyPreviewPalette(*palette, settings, 0);
    const PaletteTable table = entries();
    EXPECT_EQ(table[31], rgb(0, 0, 250, 31 % 7)); // no zero-to-one rule here
    EXPECT_EQ(table[62], rgb(11, 12, 13, 62 % 7));
    // Middle red of red-blue glasses at 36, red-green High green at 51.
    const CalibrationColours& c = settings.colours;
    EXPECT_EQ(table[36], rgb(c.at(0, 2, TargetRed, ChannelRed), c.at(0, 2, TargetRed, ChannelGreen),
                             c.at(0, 2, TargetRed, ChannelBlue), 36 % 7));
    EXPECT_EQ(table[51],
              rgb(c.at(1, 1, TargetOther, ChannelRed), c.at(1, 1, TargetOther, ChannelGreen),
                  c.at(1, 1, TargetOther, ChannelBlue), 51 % 7));
    for (int entry = 43; entry <= 50; ++entry) {
        EXPECT_EQ(table[entry], markedTable()[entry]) << entry;
    }
    EXPECT_EQ(table[30], markedTable()[30]);
    EXPECT_EQ(table[63], markedTable()[63]);

    ApplyPreviewPalette(*palette, settings, 10);
    EXPECT_EQ(entries()[21], rgb(0, 0, 250, 21 % 7));
}

TEST_F(PaletteRoutinesTest, EveryRoutineWritesTheWholeTableOnce) {
    test::RecordingObserver observer;
    device->addScreenObserver(&observer);
    std::shared_ptr<Surface> primary;
    ASSERT_EQ(device->createPrimarySurface(primary), DisplayResult::Ok);
    primary->attachPalette(palette);
    const int before = observer.paletteWrites;
    const std::uint64_t version = palette->version();
    ApplyWorkingPalette(*palette, roles, 0);
    SetRoleColour(*palette, roles, 0, roles.ColorRed);
    ApplyPreviewPalette(*palette, Settings(), 0);
    EXPECT_EQ(observer.paletteWrites - before, 3);
    EXPECT_EQ(palette->version(), version + 3);
}

} // namespace
} // namespace trelon
