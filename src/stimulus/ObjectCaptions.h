#pragma once
// The captions of the objects a procedure is set up with, in the order of the object numbers
// that choose them. The set-up screen offers them as its items; a result stores the caption
// of its object.
#include <QStringList>

namespace trelon {

// The angle measurement's objects (RadioGroupTestObj): the scale, then the pictures.
const QStringList& testObjectCaptions();
// The scotoma training's targets (RadioGroupScotomObj).
const QStringList& scotomaObjectCaptions();
// The flicker training's pictures (RadioGroupTrenObj).
const QStringList& trainingObjectCaptions();

} // namespace trelon
