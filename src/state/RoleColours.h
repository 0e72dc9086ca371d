#pragma once
// The four anaglyph role colours and the fixed palette entries all drawing writes.
#include "display/ColourWord.h"

namespace trelon {

struct RoleColours {
    ColourWord ColorBlue = 0; // seen through the second filter (blue or green)
    ColourWord ColorRed = 0;  // seen through the red filter
    ColourWord ColorFon = 0;  // background
    ColourWord ColorAll = 0;  // seen by both eyes
};

// Palette entry numbers of the roles and of the fixed panel grey.
struct PaletteIndices {
    int IndexBlue = 21;
    int IndexRed = 22;
    int IndexFon = 23;
    int IndexAll = 24;
    int IndexPanel = 30;
    // Entries a loaded source picture's black, red, blue and white land in.
    int PictureBlack = 0;
    int PictureRed = 249;
    int PictureBlue = 252;
    int PictureWhite = 255;
};

} // namespace trelon
