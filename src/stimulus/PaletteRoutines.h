#pragma once
// The anaglyph colour model on the palette: choosing the four role colours from the
// calibration settings, writing them (and the preview swatches) into palette entries,
// loading the base palette and pictures.
//
// Entry numbers written here are moved down by paletteShift; an entry that falls outside
// 0..255 that way is skipped rather than written past the table.
#include "config/Settings.h"
#include "display/DisplayResult.h"
#include "display/Palette.h"
#include "state/RoleColours.h"

#include <QImage>
#include <QString>
#include <memory>

class QImageReader;

namespace trelon {

class DisplayDevice;
class Surface;

// The role colours of level 1 (High), 2 (Middle) or 3 (Low) for the glasses (1 red-green,
// anything else red-blue) from the calibration settings. Other levels change nothing.
void SelectRoleColours(RoleColours& roles, const Settings& settings, int level, int glasses);

// Writes the panel grey (212, 208, 200) at entry 30 - paletteShift and the role colours
// blue, red, fon, all at entries 21..24 - paletteShift. A zero component is written as 1, so
// a role entry never equals a picture's pure red, blue or black; the colour words keep their
// zeros. Flags stay as they were.
void ApplyWorkingPalette(Palette& palette, const RoleColours& roles, int paletteShift);

// Writes colour (zero components as 1) into the entry of the first role, in the order all,
// fon, blue, red, whose colour word equals it; when none does, into entry 0. The calibration
// screen calls this while a component is edited so the change shows at once.
void SetRoleColour(Palette& palette, const RoleColours& roles, int paletteShift, ColourWord colour);

// The preview swatches: entries 31..42 get blue, red, fon, all of levels High, Middle, Low
// for red-blue glasses, entries 51..62 the same for red-green glasses (green in place of
// blue), each as calibrated, zeros kept. Entries 43..50 are not touched.
void ApplyPreviewPalette(Palette& palette, const Settings& settings, int paletteShift);

// The program's 8-bit palette from the colour table of the bitmap name: the Qt resource
// ":/name" when there is one, else the file name in programDir (letter case ignored). When
// neither gives an 8-bit (or smaller) colour table the 3-3-2 default table is used. Returns
// null when the palette cannot be made; result (if given) receives the device's code.
std::shared_ptr<Palette> DDLoadPalette(DisplayDevice& device, const QString& programDir,
                                       const QString& name, DisplayResult* result = nullptr);

// The colour table DDLoadPalette builds for a bitmap file's bytes: the 14-byte file header,
// the info header and the colour table. Only an info header of exactly 40 bytes (or of at
// least 40 when fromResource) with at most 8 bits per pixel is used; its colour count is the
// used-colour count, or 2^bits when that is 0, limited to 256 and to the bytes present.
// Anything else leaves the 3-3-2 default table.
PaletteTable paletteTableFromBitmap(const QByteArray& bytes, bool fromResource);

// The largest width or height of a picture that is loaded.
inline constexpr int kMaxPictureSide = 8192;

// The picture name: the Qt resource ":/name" when there is one, else the file in programDir
// (letter case ignored). Null when neither loads or it is wider or taller than
// kMaxPictureSide.
QImage LoadPictureImage(const QString& programDir, const QString& name);

// The picture reader gives; null when it does not load or its header declares a side larger
// than kMaxPictureSide (refused before any pixel memory is taken).
QImage ReadPictureImage(QImageReader& reader);

// The picture name on a new off-screen surface of its size, each pixel the nearest entry of
// the screen's palette. Null when the picture does not load, the surface cannot be made or
// the copy fails; result (if given) receives the failing step's code.
std::shared_ptr<Surface> LoadPictureSurface(DisplayDevice& device, const QString& programDir,
                                            const QString& name, DisplayResult* result = nullptr);

// Restores surface and stretches the region (x, y, width, height) of image onto the whole
// surface, each pixel the nearest palette entry; width or height 0 mean the image's width or
// height. Returns the code of the surface's canvas request (InvalidParams for a null image).
DisplayResult DDCopyBitmap(Surface& surface, const QImage& image, int x, int y, int width,
                           int height);

} // namespace trelon
