#pragma once
// The degree labels of the rings of the scotoma map.
#include <QString>

namespace trelon {

// The angle, in degrees truncated to a tenth, of ring k (k x 9 mm from the centre; 9 mm is
// one degree at 50 cm) seen from distanceCm: (round(k x 50 / distanceCm x 100) div 10) / 10,
// halves rounded to even. 0 when distanceCm is not positive.
double scotomaRingDegrees(int k, double distanceCm);

// value in the shortest decimal form with the Russian decimal comma: 1, 0,5, -0,2, 12,5.
QString shortestDecimal(double value);

} // namespace trelon
