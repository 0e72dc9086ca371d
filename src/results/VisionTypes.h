#pragma once
// The character of binocular vision the colour test names: seven texts, one per answer field.
#include <QString>
#include <QStringList>
#include <optional>

namespace trelon {

// The seven vision-type texts, index = code - 1.
const QStringList& VisionTypeTexts();

// The vision-type text shown for answer field 1..7 under filter position 1 or 2 (with the
// filters swapped the right-eye and left-eye texts change places, and so do the convergent
// and divergent squint); nothing for any other field.
std::optional<QString> colourTestVisionText(int field, int filterPosition);

} // namespace trelon
