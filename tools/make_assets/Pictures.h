#pragma once
// Drawing of the stimulus and preview pictures by file name.
#include "Shapes.h"

#include <QImage>
#include <QList>
#include <optional>
#include <string_view>

namespace trelon::assets {

// A shape drawn at `scale`, turned clockwise by `degrees` about the picture's centre (the
// picture is the shape's box, turned by whole quarter turns when the angle is one).
QImage drawShape(const Shape& shape, const Ink& ink, double scale, double degrees,
                 const QColor& background, bool smooth);

// The four-colour stimulus picture of that name, or nothing for an unknown name.
std::optional<QImage> drawStimulus(std::string_view name);

// The coloured preview icon of that name, or nothing for an unknown name.
std::optional<QImage> drawPreview(std::string_view name);

// The colours a preview may use: the base palette entries that the set-up screen leaves as
// they are (it rewrites 21-24 and 30-42 with role and swatch colours and 51-62 with swatch
// colours), plus the panel grey it puts at entry 30. Preview colours are taken from these,
// so the screen shows each one exactly.
QList<QRgb> previewColours();

} // namespace trelon::assets
