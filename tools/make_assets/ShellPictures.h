#pragma once
// Pictures of the program's shell: the base palette picture, the splash pictures, the glyph
// of the "add patient" button and the mouse cursor.
#include <QImage>
#include <QList>

namespace trelon::assets {

// The 256 colours of the base display palette: the Windows system colours at 0-9 and
// 246-255 (black 0, red 249, blue 252, white 255), the 6x6x6 colour cube without its eight
// corners (no colour twice) and a grey ramp.
QList<QRgb> basePalette();

QImage lakePicture();   // 8-bit, colour table = basePalette()
QImage splashFace();    // 169 x 130: a child in red-blue glasses
QImage splashBear();    // 190 x 212: a teddy bear in red-blue glasses
QImage addGlyph();      // 20 x 20 green plus on transparency
QImage cursorPicture(); // 32 x 32 arrow with a small airship, tip at (0, 0)

} // namespace trelon::assets
