#pragma once
// The four colours of a stimulus picture: black background, pure red (seen by the red-filter
// eye only), pure blue (the other eye only) and white (both eyes).
#include <QColor>
#include <QImage>

namespace trelon::assets {

inline const QColor kBlack(0, 0, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kWhite(255, 255, 255);

// A black picture ready for drawing.
QImage blankStimulus(int width, int height);

// Every pixel replaced by the nearest of the four colours, so no blended colour survives.
QImage toFourColours(const QImage& picture);

} // namespace trelon::assets
