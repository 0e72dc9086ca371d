#pragma once
// Byte-exact writers of the file formats the program reads: Windows BMP (24-bit true colour
// and 8-bit with a colour table) and PCM WAV.
#include <QByteArray>
#include <QImage>
#include <vector>

namespace trelon::assets {

// A 24-bit BMP: BITMAPFILEHEADER, BITMAPINFOHEADER (size 40, no compression), bottom-up rows
// of blue, green, red bytes padded to a multiple of four.
QByteArray bmp24(const QImage& image);

// An 8-bit BMP with a full 256-entry colour table (biClrUsed 256). The image must be
// Format_Indexed8 with exactly 256 colours.
QByteArray bmp8(const QImage& image);

// A mono 16-bit PCM WAV file of the given samples (each clamped to -1..1).
QByteArray wav16Mono(const std::vector<double>& samples, int sampleRate);

} // namespace trelon::assets
