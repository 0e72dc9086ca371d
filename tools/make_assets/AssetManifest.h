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
    // Sounds.
    {"Verno.wav", Role::Sound},
    {"1Sec.wav", Role::Sound},
    {"5Sec.wav", Role::Sound},
    {"Rez.wav", Role::Sound},
};

// Names used by the program that reach one of the files above only through case-insensitive
// lookup.
inline constexpr std::string_view kCaseAliases[] = {"1sec.wav"};

} // namespace trelon::assets
