#pragma once
// Every file the asset generator writes into the program folder, with the role that decides
// how it is drawn and checked. The program looks files up regardless of letter case, so one
// file serves names that differ only in case (see kCaseAliases).
#include <string_view>

namespace trelon::assets {

enum class Role {
    TwoPart,       // a red part and a blue part drawn aligned (angle measurement, flicker)
    TwoPartFusion, // the candy: a two-part picture that is also a mostly white fusion picture
    ScaleArrow,    // red only: the arrow aimed at the angle scale
    Fusion,        // mostly white, with small red-only and blue-only control marks
    Silhouette,    // white only: drawn whole in the colour both eyes see
    Target,        // blue only: the still target of the scotoma training
    Moving,        // red only: the figure that travels to the target
    Preview,       // small true-colour icon for the set-up screen
    BasePalette,   // lake.bmp: 8-bit, its colour table is the base display palette
    Splash,        // true-colour picture of the start-up splash
    Glyph,         // button glyph with alpha
    Cursor,        // 32 x 32 RGBA mouse cursor, hotspot at its top-left pixel
    Sound,         // 16-bit mono PCM WAV
};

// Stimulus pictures: drawn in the four colours of the display's convention only.
inline bool isStimulus(Role role) {
    switch (role) {
    case Role::TwoPart:
    case Role::TwoPartFusion:
    case Role::ScaleArrow:
    case Role::Fusion:
    case Role::Silhouette:
    case Role::Target:
    case Role::Moving:
        return true;
    default:
        return false;
    }
}

struct AssetFile {
    std::string_view name;
    Role role;
};

inline constexpr AssetFile kAssetFiles[] = {
    // Start-up, main window and display palette.
    {"lake.bmp", Role::BasePalette},
    {"Splash1.bmp", Role::Splash},
    {"Splash2.bmp", Role::Splash},
    {"AddGlyph.png", Role::Glyph},
    {"ZEP_CUR.png", Role::Cursor},
    // Angle measurement (objects 2-8) and flicker training pictures.
    {"Dom.bmp", Role::TwoPart},
    {"Fish.bmp", Role::TwoPart},
    {"StarInCircl.bmp", Role::TwoPart},
    {"Egg.bmp", Role::TwoPart},
    {"LodkaRB.bmp", Role::TwoPart},
    {"SvechaKosogl.bmp", Role::TwoPart}, // also a fusion training object
    {"Strelka.bmp", Role::TwoPart},
    {"FlowerDouble.bmp", Role::TwoPart},
    {"Telefon.bmp", Role::TwoPart},
    {"MashinaDouble.bmp", Role::TwoPart},
    {"Pchelka2.bmp", Role::TwoPart},
    {"Krab.bmp", Role::TwoPart},
    {"Konfeta.bmp", Role::TwoPartFusion}, // also "konfeta.bmp" of the fusion reserves
    // The arrows of the angle scale.
    {"strelvert.bmp", Role::ScaleArrow},
    {"strelhor.bmp", Role::ScaleArrow},
    // Fusion reserves.
    {"bigcat.bmp", Role::Fusion},
    {"Butterfly.bmp", Role::Fusion},
    // Fusion training objects.
    {"Grusha.bmp", Role::Silhouette},
    {"Zayac.bmp", Role::Silhouette},
    {"Suslik.bmp", Role::Silhouette},
    {"Koshka.bmp", Role::Silhouette},
    {"List.bmp", Role::Silhouette},
    {"Sneg.bmp", Role::Silhouette},
    {"ratFuz.bmp", Role::Silhouette},
    {"samolet.bmp", Role::Silhouette},
    {"morkov.bmp", Role::Silhouette},
    // Scotoma training: targets and travelling figures.
    {"chees.bmp", Role::Target},
    {"Flowernew.bmp", Role::Target},
    {"krugi4.bmp", Role::Target},
    {"rat.bmp", Role::Moving},
    {"Pchelka_Scotoma.bmp", Role::Moving},
    {"samoletScotoma.bmp", Role::Moving},  // from the right ("0")
    {"samoletScotoma2.bmp", Role::Moving}, // from the top ("90")
    {"samoletScotoma3.bmp", Role::Moving}, // from the left ("180")
    {"samoletScotoma4.bmp", Role::Moving}, // from the bottom ("270")
    {"samoletScotoma5.bmp", Role::Moving}, // from the top right ("45")
    {"samoletScotoma6.bmp", Role::Moving}, // from the top left ("135")
    {"samoletScotoma7.bmp", Role::Moving}, // from the bottom left ("225")
    {"samoletScotoma8.bmp", Role::Moving}, // from the bottom right ("315")
    // Previews of the set-up screen.
    {"StarIm.bmp", Role::Preview},
    {"DomIm.bmp", Role::Preview},
    {"FlowerIm.bmp", Role::Preview},
    {"TelefonIm.bmp", Role::Preview},
    {"MashinaIm.bmp", Role::Preview},
    {"SvechaIm.bmp", Role::Preview},
    {"PchelkaIm.bmp", Role::Preview},
    {"KrabIm.bmp", Role::Preview},
    {"KonfetaIm.bmp", Role::Preview},
    {"EggIm.bmp", Role::Preview},
    {"StrelkaIm.bmp", Role::Preview},
    {"GrushaIm.bmp", Role::Preview},
    {"ZayacIm.bmp", Role::Preview},
    {"SuslikIm.bmp", Role::Preview},
    {"CatIm.bmp", Role::Preview},
    {"ListIm.bmp", Role::Preview},
    {"SnegIm.bmp", Role::Preview},
    {"RatIm.bmp", Role::Preview},
    {"SamoletIm.bmp", Role::Preview},
    {"MorkovIm.bmp", Role::Preview},
    {"ShkalaIm.bmp", Role::Preview},
    {"fishIm.bmp", Role::Preview},
    {"lodkaIm.bmp", Role::Preview},
    // Sounds.
    {"Verno.wav", Role::Sound},
    {"1Sec.wav", Role::Sound},
    {"5Sec.wav", Role::Sound},
    {"Rez.wav", Role::Sound},
};

// Names used by the program that reach one of the files above only through case-insensitive
// lookup.
inline constexpr std::string_view kCaseAliases[] = {"StarinCircl.bmp", "konfeta.bmp", "1sec.wav"};

} // namespace trelon::assets
