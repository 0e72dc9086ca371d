// The additional parameters logic: the choices loaded at creation, apply, the save into
// Class.ini and what a restart shows, refusals, and the picture sizes.
#include "setup/AdditionalParameters.h"

#include "support/ConfigScreenFixture.h"

using namespace trelon;
using namespace trelon::test;

namespace {

class AdditionalParametersTest : public ConfigScreenFixture {
protected:
    void create(const QStringList& lines) {
        startWith(lines);
        parameters.fillFromSettings();
        parameters.activate();
    }
    ParamControls& c() { return parameters.controls(); }
    QString& row(const char* name) {
        for (int r = 0; r < kPictureCount; ++r) {
            if (QString::fromUtf8(kPictureKeys[pictureRowOrder()[r]].displayName) ==
                QString::fromUtf8(name)) {
                return c().pictureRows[r];
            }
        }
        throw std::logic_error(name);
    }
    AdditionalParameters parameters{state, dialogs};
};

TEST_F(AdditionalParametersTest, TheStepShowsItsSettingOnlyWithin1To4) {
    create({QStringLiteral("[Default]"), QStringLiteral("ShagKoleban=4")});
    EXPECT_EQ(c().item(ParamGroup::ShagKoleban), 3);
    // The settings file refuses 0 and 5; a step set otherwise still shows "1".
    for (const int step : {0, 5}) {
        state.settings.ShagKoleban = step;
        parameters.fillFromSettings();
        EXPECT_EQ(c().item(ParamGroup::ShagKoleban), 0) << step;
    }
    EXPECT_EQ(state.MaxAmplitudaSbligen, 4);
    EXPECT_EQ(state.MaxAmplitudaUdalen, 2);
}

TEST_F(AdditionalParametersTest, SavedValuesShowAndSaveBackUnlessTheOperatorPicksOthers) {
    // Saved 400/75 for fusion, 8/3 amplitudes and 275 (no item holds it) as slow oscillation.
    create({QStringLiteral("[Default]"), QStringLiteral("TimeTrenFuz1=400"),
            QStringLiteral("TimeTrenFuz2=75"), QStringLiteral("TimeIntervalKoleb2=275"),
            QStringLiteral("MaxAmplitudaSbligen=8"), QStringLiteral("MaxAmplitudaUdalen=3"),
            QStringLiteral("Свой=ключ"), QString(), QStringLiteral("[Other]"),
            QStringLiteral("TimeTrenFuz2=1")});
    EXPECT_EQ(c().item(ParamGroup::FuzTime1), 3);    // "400"
    EXPECT_EQ(c().item(ParamGroup::FuzTime2), 1);    // "75"
    EXPECT_EQ(c().item(ParamGroup::KolebTime2), -1); // none
    EXPECT_EQ(c().item(ParamGroup::ToCenter), 5);    // "8"
    EXPECT_EQ(state.MaxAmplitudaSbligen, 8);
    EXPECT_EQ(state.MaxAmplitudaUdalen, 3);
    // A pick left by cancelling is not what the screen shows next time.
    c().item(ParamGroup::FuzTime1) = 0;
    parameters.activate();
    EXPECT_EQ(c().item(ParamGroup::FuzTime1), 3);

    c().redBlue = false; // the one change
    EXPECT_TRUE(parameters.apply());
    EXPECT_TRUE(parameters.saveParameters());
    EXPECT_EQ(dialogs.confirmations, QStringList{QStringLiteral("Сохранить параметры?")});
    EXPECT_EQ(stored(),
              iniBytes(utf8Lines(
                  {"[Default]", "TimeTrenFuz1=400", "TimeTrenFuz2=75", "TimeIntervalKoleb2=275",
                   "MaxAmplitudaSbligen=8", "MaxAmplitudaUdalen=3", "Свой=ключ", "ShagKoleban=1",
                   "TimeIntervalKoleb1=50", "TimeIntervalKosogl2=50", "TimeIntervalKosogl1=200",
                   "MM_500Pixel=145", "FilterGreenBlue=1", "TimeTrenKosogl1=200",
                   "TimeTrenKosogl2=50", "", "[Other]", "TimeTrenFuz2=1"})));
    EXPECT_EQ(state.settings.TimeIntervalKoleb2, 275);

    // After a restart the same values show; a pick replaces only its own value.
    SharedState restarted;
    restarted.paths = state.paths;
    ASSERT_TRUE(LoadSettings(restarted.settings, state.paths.ProgramDir).ok());
    AdditionalParameters again(restarted, dialogs);
    again.fillFromSettings();
    EXPECT_EQ(again.controls().items, c().items);
    again.controls().item(ParamGroup::KolebTime2) = 4; // "400"
    EXPECT_TRUE(again.apply());
    EXPECT_EQ(restarted.settings.TimeIntervalKoleb2, 400);
    EXPECT_EQ(restarted.settings.TimeTrenFuz1, 400);
    EXPECT_EQ(restarted.MaxAmplitudaSbligen, 8);
}

TEST_F(AdditionalParametersTest, NoToSavingStillAppliesAllButPaletteShiftAndScale) {
    create({QStringLiteral("[Default]"), QStringLiteral("MM_500Pixel=150")});
    c().item(ParamGroup::ToCenter) = 7;   // "12"
    c().item(ParamGroup::KolebTime2) = 4; // "400"
    c().EditTimeBystro = QStringLiteral("33");
    c().PixelMM = QStringLiteral("200");
    c().EditSdvigPalette = QStringLiteral("1");
    c().redBlue = false;
    c().CheckBoxScorost = true;
    dialogs.confirmAnswers = {false};
    EXPECT_TRUE(parameters.saveParameters());
    EXPECT_EQ(stored(), original);
    EXPECT_EQ(state.MaxAmplitudaSbligen, 12);
    EXPECT_EQ(state.settings.TimeIntervalKoleb2, 400);
    EXPECT_EQ(state.settings.TimeTrenKosogl2, 33);
    EXPECT_EQ(state.settings.GlassesType, GlassesRedGreen);
    EXPECT_TRUE(state.settings.ScorostMouse);
    EXPECT_EQ(state.PaletteShift, 0);
    EXPECT_DOUBLE_EQ(state.settings.MmPerPixel, 150 / 500.0);
    // "Применить" takes those two as well.
    EXPECT_TRUE(parameters.apply());
    EXPECT_EQ(state.PaletteShift, 1);
    EXPECT_DOUBLE_EQ(state.settings.MmPerPixel, 200 / 500.0);
}

TEST_F(AdditionalParametersTest, ScaleAndSpeedsThatAreNoPositiveWholeNumberAreRefused) {
    create({QStringLiteral("[Default]")});
    const Settings before = state.settings;
    c().item(ParamGroup::ShagKoleban) = 3;
    const std::pair<QString*, QString> cases[] = {
        {&c().PixelMM, QStringLiteral("Размер черной полоски в мм: \"0\"")},
        {&c().EditTimeBystro, QStringLiteral("Быстрое перемещение: \"12a\"")},
        {&c().EditTimeMedlenno, QStringLiteral("Медленное перемещение: \"-5\"")},
        {&c().PixelMM, QStringLiteral("Размер черной полоски в мм: \"9\"")}, // unreadable later
    };
    const char* typed[] = {"0", "12a", "-5", "9"};
    for (int i = 0; i < 4; ++i) {
        const QString kept = *cases[i].first;
        *cases[i].first = QString::fromLatin1(typed[i]);
        EXPECT_FALSE(parameters.apply());
        EXPECT_FALSE(parameters.saveParameters());
        ASSERT_EQ(dialogs.informations.size(), 2 * (i + 1));
        EXPECT_TRUE(dialogs.informations.last().startsWith(cases[i].second))
            << dialogs.informations.last().toStdString();
        *cases[i].first = kept;
    }
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    EXPECT_EQ(state.settings.ShagKoleban, before.ShagKoleban);
    EXPECT_DOUBLE_EQ(state.settings.MmPerPixel, before.MmPerPixel);
    EXPECT_EQ(stored(), original);
}

TEST_F(AdditionalParametersTest, EachPictureRowAddressesItsOwnFactorTheChickToo) {
    create({QStringLiteral("[Default]"), QStringLiteral("Cat=90")});
    EXPECT_EQ(row("Кошка"), QStringLiteral("90"));
    EXPECT_EQ(row("Кошка (Фузия)"), QStringLiteral("100"));
    row("Кошка (Фузия)") = QStringLiteral("80");
    row("Птенчик") = QStringLiteral("120");
    parameters.showPictureSizes();
    parameters.applyPictureSizes();
    EXPECT_FALSE(c().picturesShown);
    EXPECT_DOUBLE_EQ(state.settings.PictureFactors[PicCat], 0.9);
    EXPECT_DOUBLE_EQ(state.settings.PictureFactors[PicBigCat], 0.8);
    EXPECT_DOUBLE_EQ(state.settings.PictureFactors[PicEgg], 1.2);

    row("Кошка") = QStringLiteral("0");
    parameters.savePictureSizes();
    EXPECT_TRUE(dialogs.informations.last().startsWith(QStringLiteral("Размер рисунка \"Кошка\"")));
    EXPECT_EQ(stored(), original);
    row("Кошка") = QStringLiteral("150");
    parameters.savePictureSizes();
    EXPECT_EQ(dialogs.confirmations.last(), QStringLiteral("Сохранить изменения?"));
    Settings reread;
    ASSERT_TRUE(LoadSettings(reread, state.paths.ProgramDir).ok());
    EXPECT_DOUBLE_EQ(reread.PictureFactors[PicCat], 1.5);
    EXPECT_DOUBLE_EQ(reread.PictureFactors[PicBigCat], 0.8);
    EXPECT_DOUBLE_EQ(reread.PictureFactors[PicEgg], 1.2);
    EXPECT_EQ(stored().count("\r\n"), 1 + kPictureCount);
}

} // namespace
