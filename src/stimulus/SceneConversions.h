#pragma once
// Millimetres, degrees and pixels on the stimulus screen (pixels back to degrees at the
// viewing distance: DegreeScale of procedures/ResultCapture.h). Every rounding to whole pixels goes
// to the nearest integer with halves to even.
namespace trelon {

struct Settings;

// x rounded to the nearest integer, halves to even. Values beyond the range of screen
// geometry (and non-numbers) saturate rather than overflow: the result stays within
// +-kPixelLimit, NaN gives 0.
inline constexpr int kPixelLimit = 1 << 30;
int roundPixels(double x);

// [mm / mmPerPixel].
int mmToPixels(double mm, double mmPerPixel);

// One degree in pixels at the base viewing distance: [MmPerDegree / MmPerPixel].
int pixelsPerDegree(const Settings& settings);

// A picture length of n pixels drawn at scale: [n * scale].
int scaledLength(int n, double scale);

} // namespace trelon
