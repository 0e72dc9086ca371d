#include "config/LoadSettings.h"

#include "config/ConfigTestFiles.h"

#include <QDir>
#include <QTemporaryDir>

using namespace trelon;
using namespace trelon::test;

namespace {

// Compares every field of two records, so that "nothing changed" is checked whole.
void expectSameSettings(const Settings& a, const Settings& b) {
    for (int glasses = 0; glasses < 2; ++glasses) {
        for (int level = 1; level <= kLevelCount; ++level) {
            for (int t = 0; t < 4; ++t) {
                for (int ch = 0; ch < 3; ++ch) {
                    const auto target = static_cast<CalibrationTarget>(t);
                    const auto channel = static_cast<ColourChannel>(ch);
                    EXPECT_EQ(a.colours.at(glasses, level, target, channel),
                              b.colours.at(glasses, level, target, channel))
                        << colourKeyName(glasses, level, target, channel).toStdString();
                }
            }
        }
    }
    EXPECT_EQ(a.MM_500Pixel, b.MM_500Pixel);
    EXPECT_EQ(a.GradInMm, b.GradInMm);
    EXPECT_EQ(a.SizeFontY, b.SizeFontY);
    EXPECT_EQ(a.SizeFontX, b.SizeFontX);
    EXPECT_EQ(a.Contrast, b.Contrast);
    EXPECT_EQ(a.Koeff, b.Koeff);
    EXPECT_EQ(a.FilterGreenBlue, b.FilterGreenBlue);
    EXPECT_EQ(a.SizeFont, b.SizeFont);
    EXPECT_EQ(a.WidthLine1, b.WidthLine1);
    EXPECT_EQ(a.WidthLine2, b.WidthLine2);
    EXPECT_EQ(a.WidthLine3, b.WidthLine3);
    EXPECT_EQ(a.ShowRezultat, b.ShowRezultat);
    EXPECT_EQ(a.TimeShowRezult, b.TimeShowRezult);
    EXPECT_EQ(a.MyDeviceType, b.MyDeviceType);
    EXPECT_EQ(a.FileSoundTrue, b.FileSoundTrue);
    EXPECT_EQ(a.FileSoundFalse, b.FileSoundFalse);
    EXPECT_EQ(a.kp, b.kp);
    EXPECT_EQ(a.RazmerMarker, b.RazmerMarker);
    EXPECT_EQ(a.FontName, b.FontName);
    EXPECT_EQ(a.TimeIntervalKoleb1, b.TimeIntervalKoleb1);
    EXPECT_EQ(a.TimeIntervalKoleb2, b.TimeIntervalKoleb2);
    EXPECT_EQ(a.ShagKoleban, b.ShagKoleban);
    EXPECT_EQ(a.TimeTrenFuz1, b.TimeTrenFuz1);
    EXPECT_EQ(a.TimeTrenFuz2, b.TimeTrenFuz2);
    EXPECT_EQ(a.TimeTrenKosogl1, b.TimeTrenKosogl1);
    EXPECT_EQ(a.TimeTrenKosogl2, b.TimeTrenKosogl2);
    EXPECT_EQ(a.PictureFactors, b.PictureFactors);
    EXPECT_EQ(a.ScorostMouse, b.ScorostMouse);
    EXPECT_EQ(a.MmPerPixel, b.MmPerPixel);
    EXPECT_EQ(a.MmPerDegree, b.MmPerDegree);
    EXPECT_EQ(a.DisplayScale, b.DisplayScale);
    EXPECT_EQ(a.GlassesType, b.GlassesType);
}

class LoadSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString programDir() const { return dir.path() + QStringLiteral("/"); }
    QString classIni() const { return dir.filePath(QStringLiteral("Class.ini")); }

    void writeDefault(const QStringList& keyLines) {
        writeBytes(classIni(), iniBytes(QStringList{QStringLiteral("[Default]")} + keyLines));
    }
    Settings load(SettingsLoadResult* result = nullptr) {
        Settings settings;
        const SettingsLoadResult r = LoadSettings(settings, programDir());
        if (result) {
            *result = r;
        } else {
            EXPECT_TRUE(r.ok()) << r.error.toStdString();
        }
        return settings;
    }
};

} // namespace

TEST_F(LoadSettingsTest, ReadsAndConvertsEveryKindOfKey) {
    writeDefault({
        QStringLiteral("MM_500Pixel=150"),
        QStringLiteral("GradInMm=$5A"),
        QStringLiteral("SizeFontY=72"),
        QStringLiteral("Koeff=250"),
        QStringLiteral("FilterGreenBlue=1"),
        QStringLiteral("WidthLine2=45"),
        QStringLiteral("TimeShowRezult=2"),
        QStringLiteral("FileSoundTrue=  \"Верно.wav\"  "),
        QStringLiteral("FontName=Arial"),
        QStringLiteral("kp=2,5"),
        QStringLiteral("ShagKoleban=4"),
        QStringLiteral("Pchela_Scotoma=150"),
        QStringLiteral("BigCat=50"),
        QStringLiteral("RG_Low_Blue_in_Green=7"),
        QStringLiteral("RB_High_Red_in_All=300"),
        QStringLiteral("RB_High_Green_in_Fon=-4"),
    });
    const Settings s = load();
    EXPECT_DOUBLE_EQ(s.MmPerPixel, 0.3);
    EXPECT_DOUBLE_EQ(s.MmPerDegree, 9.0);
    EXPECT_EQ(s.SizeFontY, 72);
    EXPECT_EQ(s.Koeff, 250);
    EXPECT_EQ(s.GlassesType, GlassesRedGreen);
    EXPECT_DOUBLE_EQ(s.WidthLine2, 0.045);
    EXPECT_EQ(s.TimeShowRezult, 2000);
    EXPECT_EQ(s.FileSoundTrue, QStringLiteral("Верно.wav"));
    EXPECT_EQ(s.FontName, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(s.DisplayScale, 0.025);
    EXPECT_EQ(s.ShagKoleban, 4);
    EXPECT_DOUBLE_EQ(s.PictureFactors[PicPchelaScotoma], 1.5);
    EXPECT_DOUBLE_EQ(s.PictureFactors[PicBigCat], 0.5);
    EXPECT_DOUBLE_EQ(s.PictureFactors[PicStar], 1.0);
    EXPECT_EQ(s.colours.at(GlassesRedGreen, 3, TargetOther, ChannelBlue), 7);
    // Components are held to 0..255 so they cannot spill into a neighbouring channel.
    EXPECT_EQ(s.colours.at(GlassesRedBlue, 1, TargetAll, ChannelRed), 255);
    EXPECT_EQ(s.colours.at(GlassesRedBlue, 1, TargetFon, ChannelGreen), 0);
}

TEST_F(LoadSettingsTest, FindsKeysAndTheFileRegardlessOfLetterCase) {
    writeBytes(dir.filePath(QStringLiteral("class.ini")),
               iniBytes({QStringLiteral("[DEFAULT]"), QStringLiteral("mm_500pixel=200"),
                         QStringLiteral("KP=0.5"), QStringLiteral("rb_low_green_in_red=12")}));
    const Settings s = load();
    EXPECT_DOUBLE_EQ(s.MmPerPixel, 0.4);
    EXPECT_DOUBLE_EQ(s.kp, 0.005);
    EXPECT_EQ(s.colours.at(GlassesRedBlue, 3, TargetRed, ChannelGreen), 12);
}

TEST_F(LoadSettingsTest, FlagsAreTrueOnlyForTheTextOne) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {{"1", true},     {"\"1\"", true}, {" 1 ", true}, {"01", false},  {"yes", false},
                 {"true", false}, {"", false},     {"0", false},  {"1.0", false}, {"$1", false}};
    for (const auto& c : cases) {
        writeDefault({QStringLiteral("ScorostMouse=") + QLatin1String(c.text),
                      QStringLiteral("ShowRezultat=") + QLatin1String(c.text)});
        const Settings s = load();
        EXPECT_EQ(s.ScorostMouse, c.expected) << c.text;
        EXPECT_EQ(s.ShowRezultat, c.expected) << c.text;
    }
}

TEST_F(LoadSettingsTest, KeysThatAreNeverReadChangeNothing) {
    writeDefault({QStringLiteral("MaxAmplitudaSbligen=40"), QStringLiteral("MaxAmplitudaUdalen=x"),
                  QStringLiteral("TimeIntervalKosogl1=7"), QStringLiteral("TimeIntervalKosogl2=9"),
                  QStringLiteral("[Other]"), QStringLiteral("MM_500Pixel=300")});
    expectSameSettings(load(), Settings{});
}

TEST_F(LoadSettingsTest, ABadNumberStopsLoadingAndNamesKeyValueAndFile) {
    writeDefault({
        QStringLiteral("RB_High_Red_in_Red=11"),
        QStringLiteral("SizeFontY=20"),
        QStringLiteral("MM_500Pixel=abc"),
        QStringLiteral("GradInMm=95"),
        QStringLiteral("ScorostMouse=1"),
    });
    SettingsLoadResult result;
    const Settings s = load(&result);
    EXPECT_EQ(result.error,
              QStringLiteral("Ошибка в файле настроек %1: значение \"abc\" ключа MM_500Pixel не "
                             "является числом. Для остальных параметров взяты значения по "
                             "умолчанию.")
                  .arg(classIni()));
    EXPECT_EQ(s.colours.at(GlassesRedBlue, 1, TargetRed, ChannelRed), 11); // read before
    EXPECT_DOUBLE_EQ(s.MmPerPixel, 0.29);                                  // the bad key
    EXPECT_DOUBLE_EQ(s.MmPerDegree, 8.9); // after it: defaults although present
    EXPECT_EQ(s.SizeFontY, 10);
    EXPECT_FALSE(s.ScorostMouse);
}

TEST_F(LoadSettingsTest, EveryKindOfBadValueIsReported) {
    const struct {
        const char* line;
        const char* key;
    } cases[] = {
        {"SizeFontX=", "SizeFontX"}, // empty is not a number
        {"Contrast=1.5", "Contrast"},
        {"MyDeviceType=0x10", "MyDeviceType"},
        {"kp=1.2.3", "kp"},
        {"kp=inf", "kp"},
        {"RazmerMarker=99999999999", "RazmerMarker"},
        {"TimeShowRezult=3000000", "TimeShowRezult"}, // milliseconds would overflow
        {"GradInMm=0", "GradInMm"},                   // every angle divides by it
        {"MM_500Pixel=-145", "MM_500Pixel"},
        {"Car=big", "Car"},
        {"RG_Middle_Green_in_Red=x", "RG_Middle_Green_in_Red"},
        // Numbers outside the key's range: stimuli that vanish, fonts and timers that hang.
        {"MM_500Pixel=2147483647", "MM_500Pixel"},
        {"WidthLine1=0", "WidthLine1"},
        {"RazmerMarker=51", "RazmerMarker"},
        {"ShagKoleban=5", "ShagKoleban"},
        {"FilterGreenBlue=2", "FilterGreenBlue"},
        {"TimeIntervalKoleb1=0", "TimeIntervalKoleb1"},
        {"Pchela_Scotoma=1001", "Pchela_Scotoma"},
        {"kp=0", "kp"},
    };
    for (const auto& c : cases) {
        writeDefault({QLatin1String(c.line), QStringLiteral("TimeTrenFuz2=1")});
        SettingsLoadResult result;
        load(&result);
        EXPECT_FALSE(result.ok()) << c.line;
        EXPECT_TRUE(result.error.contains(QStringLiteral(" ключа ") + QLatin1String(c.key) +
                                          QLatin1Char(' ')))
            << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(classIni())) << c.line;
    }
}

TEST_F(LoadSettingsTest, ColourKeysAreReadBeforeEverythingElse) {
    writeDefault({QStringLiteral("MM_500Pixel=250"), QStringLiteral("RB_Low_Red_in_Fon=bad")});
    SettingsLoadResult result;
    const Settings s = load(&result);
    EXPECT_TRUE(result.error.contains(QStringLiteral("RB_Low_Red_in_Fon")));
    EXPECT_DOUBLE_EQ(s.MmPerPixel, 0.29);
}

TEST_F(LoadSettingsTest, LoadingStartsFromTheDefaults) {
    Settings settings;
    settings.ScorostMouse = true;
    settings.MM_500Pixel = 1.0;
    settings.colours.at(GlassesRedGreen, 1, TargetRed, ChannelRed) = 1;
    ASSERT_TRUE(LoadSettings(settings, programDir()).ok());
    expectSameSettings(settings, Settings{});
}

TEST_F(LoadSettingsTest, WrittenKeysAreReadAtTheNextLoad) {
    writeBytes(dir.filePath(QStringLiteral("class.ini")),
               "; kept\r\n[Default]\r\nMM_500Pixel=145\r\nFontName=Arial\r\n");
    ASSERT_TRUE(
        WriteSettings(programDir(), {{QStringLiteral("MM_500Pixel"), QStringLiteral("160")},
                                     {QStringLiteral("Zayac"), QStringLiteral("80")},
                                     {QStringLiteral("RG_High_Red_in_Red"), QStringLiteral("201")}})
            .ok());
    // The existing lower-case file was rewritten, not a second one created.
    EXPECT_EQ(
        QDir(dir.path()).entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden).size(),
        1);
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("class.ini"))),
              QByteArray("; kept\r\n[Default]\r\nMM_500Pixel=160\r\nFontName=Arial\r\n"
                         "Zayac=80\r\nRG_High_Red_in_Red=201\r\n"));
    const Settings s = load();
    EXPECT_DOUBLE_EQ(s.MmPerPixel, 0.32);
    EXPECT_DOUBLE_EQ(s.PictureFactors[PicZayac], 0.8);
    EXPECT_EQ(s.colours.at(GlassesRedGreen, 1, TargetRed, ChannelRed), 201);
    EXPECT_EQ(s.FontName, QStringLiteral("Arial"));
}

TEST_F(LoadSettingsTest, WritingWhereNoFileCanBeMadeReportsIt) {
    const QString plain = dir.filePath(QStringLiteral("plain"));
    writeBytes(plain, "x");
    const FileResult result =
        WriteSettings(plain, {{QStringLiteral("MM_500Pixel"), QStringLiteral("150")}});
    EXPECT_EQ(result.error,
              QStringLiteral("Unable to write to ") + plain + QStringLiteral("/Class.ini"));
}
