// The set-up screen on the display: swatches, the swatch choice, picture previews and their
// failures, and releasing the surfaces.
#include "setup/ProcedureSetupTestSupport.h"
#include "stimulus/PaletteRoutines.h"

#include <QFile>
#include <QTemporaryDir>

using namespace trelon;
using namespace trelon::test;
using C = SetupControl;
using P = ProcedureKind;

namespace {

class ProcedureSetupPaint : public ProcedureSetupFixture {
protected:
    RoleColours levelColours(int level) const {
        RoleColours roles;
        SelectRoleColours(roles, state.settings, level, state.settings.GlassesType);
        return roles;
    }
    // The palette entry as a colour word.
    ColourWord entry(int index) const {
        const PaletteEntry& e = state.display.DisplayPalette->entries()[index];
        return colourWord(e.red, e.green, e.blue);
    }
    int pixel(int x, int y) const { return state.display.PrimarySurface->pixel(x, y); }
    // Distinct calibrated colours for every level, without zero components.
    void distinctCalibration() {
        for (int glasses = 0; glasses < 2; ++glasses) {
            for (int level = 1; level <= 3; ++level) {
                for (int target = 0; target < 4; ++target) {
                    for (int channel = 0; channel < 3; ++channel) {
                        state.settings.colours.at(glasses, level,
                                                  static_cast<CalibrationTarget>(target),
                                                  static_cast<ColourChannel>(channel)) =
                            10 + 100 * glasses + 30 * level + 7 * target + channel;
                    }
                }
            }
        }
    }
};

TEST_F(ProcedureSetupPaint, SwatchClickChoosesTheLevelFrameAndColours) {
    distinctCalibration();
    open(P::DiagCvetotest);
    const int x = setup->swatchX() + 80;
    const int top = setup->swatchY();

    setup->chooseSwatchAt(x, top + 50 + 20);
    EXPECT_EQ(state.ContrastLevel, 2);
    EXPECT_EQ(state.session.ContrastLevel, 2);
    EXPECT_EQ(setup->highlightedLevel(), 2);
    EXPECT_EQ(rect(C::FrameTop).topLeft(), QPoint(setup->swatchX() - 7, top + 50 - 5));
    EXPECT_EQ(rect(C::FrameLeft).topLeft(), QPoint(setup->swatchX() - 7, top + 50 - 5));
    EXPECT_EQ(rect(C::FrameRight).topLeft(), QPoint(setup->swatchX() + 164, top + 50 - 5));
    EXPECT_EQ(rect(C::FrameBottom).topLeft(), QPoint(setup->swatchX() - 7, top + 50 + 43));
    const RoleColours middle = levelColours(2);
    EXPECT_EQ(state.roles.ColorRed, middle.ColorRed);
    EXPECT_EQ(entry(state.indices.IndexRed), middle.ColorRed);
    EXPECT_EQ(entry(state.indices.IndexFon), middle.ColorFon);

    setup->chooseSwatchAt(x, top + 100 + 39);
    EXPECT_EQ(state.ContrastLevel, 3);
    EXPECT_EQ(entry(state.indices.IndexAll), levelColours(3).ColorAll);
}

TEST_F(ProcedureSetupPaint, ClickBetweenOrBesideSwatchesKeepsLevelButReappliesItsColours) {
    distinctCalibration();
    open(P::DiagCvetotest);
    setup->chooseSwatchAt(setup->swatchX() + 10, setup->swatchY() + 60);
    ASSERT_EQ(state.ContrastLevel, 2);
    const QRect frame = rect(C::FrameTop);

    const int left = rect(C::FrameLeft).x();
    const int right = rect(C::FrameRight).x();
    const int top = setup->swatchY();
    const QPoint misses[] = {
        {left + 10, top + 45},  // between swatches 1 and 2
        {left + 10, top + 40},  // the edge rows belong to no swatch
        {left + 10, top + 50},  //
        {left + 10, top + 140}, // below the last one
        {left, top + 20},       // on the left bar
        {right, top + 20},      // on the right bar
    };
    for (const QPoint& miss : misses) {
        SCOPED_TRACE(miss.x() * 1000 + miss.y());
        state.roles = RoleColours{1, 2, 3, 4}; // colours out of step with the level
        setup->chooseSwatchAt(miss.x(), miss.y());
        EXPECT_EQ(state.ContrastLevel, 2);
        EXPECT_EQ(rect(C::FrameTop), frame);
        EXPECT_EQ(state.roles.ColorBlue, levelColours(2).ColorBlue);
        EXPECT_EQ(entry(state.indices.IndexBlue), levelColours(2).ColorBlue);
    }
    // Just inside the bars still hits.
    setup->chooseSwatchAt(left + 1, top + 1);
    EXPECT_EQ(state.ContrastLevel, 1);
    setup->chooseSwatchAt(right - 1, top + 101);
    EXPECT_EQ(state.ContrastLevel, 3);
}

TEST_F(ProcedureSetupPaint, TheCalibrationChoiceFollowsTheSwatch) {
    std::vector<int> chosen;
    setup->setCalibrationChoice([&chosen](int level) { chosen.push_back(level); });
    open(P::DiagCvetotest);
    chosen.clear();
    setup->chooseSwatchAt(setup->swatchX() + 10, setup->swatchY() + 110);
    EXPECT_EQ(chosen, std::vector<int>{3});
}

TEST_F(ProcedureSetupPaint, PaintFillsGreyAndDrawsSwatchesInPreviewEntries) {
    distinctCalibration();
    open(P::DiagCvetotest);
    setup->drawScreen();
    ASSERT_TRUE(state.display.PrimarySurface);
    EXPECT_TRUE(setup->previewDrawn());
    EXPECT_EQ(pixel(0, 0), 30);
    EXPECT_EQ(pixel(1023, 767), 30);

    const int x = setup->swatchX();
    const int y = setup->swatchY();
    for (int level = 0; level < 3; ++level) {
        const int n = 31 + 4 * level;
        const int row = y + 50 * level;
        EXPECT_EQ(pixel(x, row), n);               // blue
        EXPECT_EQ(pixel(x + 45, row + 39), n + 1); // red
        EXPECT_EQ(pixel(x + 85, row), n + 3);      // both eyes
        EXPECT_EQ(pixel(x + 159, row), n + 2);     // background
        EXPECT_EQ(pixel(x + 160, row), 30);
        EXPECT_EQ(pixel(x, row + 40), 30);
    }
    // The preview entries hold the calibrated colours; the role entries the working ones.
    const Settings& s = state.settings;
    EXPECT_EQ(entry(36), colourWord(s.colours.at(0, 2, TargetRed, ChannelRed),
                                    s.colours.at(0, 2, TargetRed, ChannelGreen),
                                    s.colours.at(0, 2, TargetRed, ChannelBlue)));
    EXPECT_EQ(entry(state.indices.IndexRed), state.roles.ColorRed);
    EXPECT_EQ(state.display.PrimarySurface->attachedPalette(), state.display.DisplayPalette);

    // Drawn once per activation: later paints leave the screen alone.
    state.display.PrimarySurface->fill(0);
    setup->drawScreen();
    EXPECT_EQ(pixel(x, y), 0);
}

TEST_F(ProcedureSetupPaint, RedGreenGlassesUseTheSecondSwatchBase) {
    state.settings.GlassesType = GlassesRedGreen;
    open(P::DiagScotoma);
    setup->drawScreen();
    EXPECT_EQ(pixel(setup->swatchX(), setup->swatchY()), 51);
    EXPECT_EQ(pixel(setup->swatchX(), setup->swatchY() + 100), 59);
}

TEST_F(ProcedureSetupPaint, PreviewShowsTheChosenObjectBesideItsGroup) {
    // Whatever the picture, it leaves something other than the panel grey in its box.
    auto pictureAt = [this](int x, int y) {
        for (int dy = 0; dy < 40; ++dy) {
            for (int dx = 0; dx < 40; ++dx) {
                if (pixel(x + dx, y + dy) != 30) {
                    return true;
                }
            }
        }
        return false;
    };
    const std::pair<P, C> previews[] = {{P::TrenKosogl, C::RadioGroupTrenObj},
                                        {P::TrenBifics, C::RadioGroupTrenFuzObj},
                                        {P::TrenCvetotest, C::RadioGroupTrenFuzObj},
                                        {P::DiagKosogl, C::RadioGroupTestObj}};
    for (const auto& [procedure, objects] : previews) {
        open(procedure);
        setup->drawScreen();
        EXPECT_TRUE(pictureAt(rightEdge(rect(objects)) + 2, rect(objects).y() + 20))
            << static_cast<int>(procedure);
    }

    // Another item: its picture lower down, the column cleared of the earlier one.
    const QRect group = rect(C::RadioGroupTestObj);
    const int x = rightEdge(group) + 2;
    setup->choose(C::RadioGroupTestObj, 5);
    EXPECT_TRUE(pictureAt(x, group.y() + 20 + (group.height() / 8 - 1) * 5));
    EXPECT_FALSE(pictureAt(x, group.y() + 20));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProcedureSetupPaint, MissingPictureFailsVisiblyAndTheScreenGoesOn) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRELON_PROGRAM_DIR "/lake.bmp"),
                            dir.filePath(QStringLiteral("lake.bmp"))));
    state.paths.ProgramDir = dir.path() + QLatin1Char('/');
    open(P::DiagKosogl);
    setup->drawScreen();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(
        QStringLiteral(" Диагностика: измерение угла косоглазия |Create Image Surface: \n")));
    // The swatches are there all the same, and the next choice tries again.
    EXPECT_EQ(pixel(setup->swatchX(), setup->swatchY()), 31);
    setup->choose(C::RadioGroupTestObj, 2);
    EXPECT_EQ(dialogs.errors.size(), 2);
}

TEST_F(ProcedureSetupPaint, DisplayFailuresShowTheirOperation) {
    open(P::TrenKosogl);
    state.display.DisplayDevice->setForcedFailures({.createPalette = true});
    setup->drawScreen();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("|DDLoadPalette: \n")));
    EXPECT_FALSE(state.display.DisplayPalette);
    EXPECT_EQ(pixel(0, 0), 30); // the screen is still drawn

    dialogs.errors.clear();
    state.display.DisplayDevice->setForcedFailures({.getCanvas = true});
    setup->choose(C::RadioGroupTrenObj, 1);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("|DDCopyBitmap: \n")));

    // Without a primary surface the paint ends silently.
    dialogs.errors.clear();
    state.display.PrimarySurface.reset();
    state.display.DisplayDevice->setForcedFailures({.createPrimary = true});
    open(P::TrenKosogl);
    setup->drawScreen();
    setup->choose(C::RadioGroupTrenObj, 2);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_FALSE(state.display.PrimarySurface);
}

TEST_F(ProcedureSetupPaint, FocusLostUnderAnErrorBoxEndsTheDrawing) {
    for (const DisplayFailures failure :
         {DisplayFailures{.createPalette = true}, DisplayFailures{.createOffscreen = true}}) {
        open(P::TrenKosogl);
        dialogs.errors.clear();
        state.display.DisplayDevice->setForcedFailures(failure);
        dialogs.whileShown = [this] { setup->focusLost(); };
        setup->drawScreen();
        setup->choose(C::RadioGroupTrenObj, 3);
        dialogs.whileShown = nullptr;
        // The first box closed the screen: nothing more drawn, no surface made again.
        EXPECT_EQ(dialogs.errors.size(), 1);
        EXPECT_FALSE(state.display.PrimarySurface);
        EXPECT_FALSE(state.display.SceneSurface);
    }
}

TEST_F(ProcedureSetupPaint, ClosingAndLosingFocusReleaseTheSurfaces) {
    open(P::TrenKosogl);
    setup->drawScreen();
    setup->choose(C::RadioGroupFrec, 2);
    ASSERT_TRUE(state.display.SceneSurface);

    setup->close();
    EXPECT_FALSE(state.display.SceneSurface);
    EXPECT_FALSE(state.display.PrimarySurface);
    EXPECT_FALSE(setup->flickerPreviewRunning());
    EXPECT_TRUE(state.display.DisplayPalette);

    open(P::TrenKosogl);
    setup->drawScreen();
    setup->focusLost();
    EXPECT_TRUE(state.SessionAborted);
    EXPECT_FALSE(state.display.PrimarySurface);

    // The hidden keys release the palette as well, and the next paint makes all again.
    open(P::TrenKosogl);
    setup->drawScreen();
    setup->releaseForOtherScreen();
    EXPECT_FALSE(state.display.DisplayPalette);
    EXPECT_FALSE(state.display.PrimarySurface);
    setup->otherScreenClosed();
    setup->drawScreen();
    EXPECT_TRUE(state.display.DisplayPalette);
    EXPECT_EQ(pixel(setup->swatchX(), setup->swatchY()), 31);
}

} // namespace
