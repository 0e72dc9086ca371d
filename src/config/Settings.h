#pragma once
// Every adjustable value of the program, as read from Class.ini by LoadSettings.
// Fields are named as their keys; where a key is stored scaled (for example MM_500Pixel as
// millimetres per 500 pixels) the field holds the converted value noted beside it.
#include <QString>
#include <array>

namespace trelon {

// Glasses types (setting FilterGreenBlue, shared as GlassesType).
enum GlassesKind { GlassesRedBlue = 0, GlassesRedGreen = 1 };

// The four calibrated colours of one glasses type and level. "Other" is the colour seen
// through the second filter: blue for red-blue glasses, green for red-green glasses.
enum CalibrationTarget { TargetOther = 0, TargetRed = 1, TargetFon = 2, TargetAll = 3 };
enum ColourChannel { ChannelRed = 0, ChannelGreen = 1, ChannelBlue = 2 };

inline constexpr int kLevelCount = 3;    // High, Middle, Low (levels 1, 2, 3)
inline constexpr int kPictureCount = 26; // picture size factors

// The 72 colour keys: [glasses][level - 1][target][channel], each 0..255.
struct CalibrationColours {
    int value[2][kLevelCount][4][3] = {};

    int& at(int glasses, int level, CalibrationTarget target, ColourChannel channel) {
        return value[glasses == GlassesRedGreen ? 1 : 0][level - 1][target][channel];
    }
    int at(int glasses, int level, CalibrationTarget target, ColourChannel channel) const {
        return value[glasses == GlassesRedGreen ? 1 : 0][level - 1][target][channel];
    }
};

// The settings key of one colour component, for example "RB_Middle_Green_in_Blue".
QString colourKeyName(int glasses, int level, CalibrationTarget target, ColourChannel channel);

// The built-in defaults of the 72 colour keys.
CalibrationColours defaultCalibrationColours();

// Picture size factor keys and their display names, indexed by picture number.
struct PictureKey {
    const char* key;
    const char* displayName; // UTF-8
};
extern const std::array<PictureKey, kPictureCount> kPictureKeys;

// Picture numbers, in the order of kPictureKeys.
enum PictureNumber {
    PicBigCat = 0,
    PicStar,
    PicDom,
    PicFish,
    PicLodka,
    PicFlower,
    PicTelephon,
    PicCar,
    PicSvecha,
    PicPchela,
    PicCrab,
    PicEgg,
    PicKonfeta,
    PicStrelka,
    PicButterfly,
    PicGrusha,
    PicZayac,
    PicSuslik,
    PicCat,
    PicList,
    PicSneg,
    PicRatScotoma,
    PicRat,
    PicSamolet,
    PicMorkov,
    PicPchelaScotoma
};

struct Settings {
    CalibrationColours colours = defaultCalibrationColours();

    double MM_500Pixel = 145 / 500.0; // millimetres per pixel
    double GradInMm = 89 / 10.0;      // millimetres per degree
    int SizeFontY = 10;
    int SizeFontX = 10;
    int Contrast = 1;
    int Koeff = 100;         // kept; never scales anything
    int FilterGreenBlue = 0; // 0 red-blue, 1 red-green
    int SizeFont = 12;
    double WidthLine1 = 30 / 1000.0;
    double WidthLine2 = 60 / 1000.0;
    double WidthLine3 = 25 / 1000.0;
    bool ShowRezultat = true;  // text = "1"
    int TimeShowRezult = 4000; // milliseconds
    int MyDeviceType = 1;
    QString FileSoundTrue = QStringLiteral("Ping.Wav");
    QString FileSoundFalse = QStringLiteral("Pong.Wav");
    double kp = 2 / 100.0;
    int RazmerMarker = 3;
    QString FontName = QStringLiteral("Times New Roman");
    int TimeIntervalKoleb1 = 200;
    int TimeIntervalKoleb2 = 50;
    int ShagKoleban = 1;
    // The oscillation amplitudes in pixels, towards the centre ("К центру") and away from it
    // ("От центра"): in memory only, at these values on every start (never read from the
    // settings file); only the additional parameters screen changes them.
    int MaxAmplitudaSbligen = 4;
    int MaxAmplitudaUdalen = 2;
    int TimeTrenFuz1 = 50;
    int TimeTrenFuz2 = 200;
    int TimeTrenKosogl1 = 50;
    int TimeTrenKosogl2 = 200;
    std::array<double, kPictureCount> PictureFactors = filledFactors();
    bool ScorostMouse = false; // text = "1"

    // Derived values shared under their own names.
    double MmPerPixel = 145 / 500.0; // MM_500Pixel / 500
    double MmPerDegree = 89 / 10.0;  // GradInMm / 10
    double DisplayScale = 2 / 100.0; // kp / 100
    int GlassesType = 0;             // FilterGreenBlue

private:
    static std::array<double, kPictureCount> filledFactors() {
        std::array<double, kPictureCount> factors{};
        factors.fill(1.0);
        return factors;
    }
};

} // namespace trelon
