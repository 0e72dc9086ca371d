#pragma once
// Composing a source picture onto the scene: its black, red, blue and white pixels become
// the background, red, blue and common role entries, and the boxes of the red and blue
// parts are found on the way.
#include "state/RoleColours.h"
#include "state/RunState.h"

#include <QRect>
#include <QString>

namespace trelon {

struct SharedState;

// How a picture's pixels land on the scene.
enum PlaceMode : int {
    PlaceSplit = 1,    // red, blue and common parts by colour; the boxes are found
    PlaceBlueOnly = 2, // blue and white parts become the blue image, the rest background
    PlaceCommon = 5,   // everything but black becomes common
    PlaceRedOver = 10, // red and white parts laid as the red image over the scene
};

// An empty figure box: Left and Top 1000, Right and Bottom 0.
inline constexpr FigureRect kEmptyFigureRect{1000, 0, 1000, 0};

// The box a scene gives a figure drawn in r: Right = Left + width, Bottom = Top + height
// (one past the last pixel, which the moves then carry along as background). Edges are
// clamped to 0..65535.
FigureRect figureBox(const QRect& r);

// The picture file name (in the program folder, letter case ignored) composed onto
// SceneSurface at state.scene's scale and offsets:
//  - PictureWidth/Height := the picture's size; in the fusion diagnostic FigureScale := the
//    scale that gives it the chosen physical width;
//  - both figure boxes are emptied, then mode 1 extends them over the parts it composes;
//  - the picture is stretched into a new AuxSurface (PictureSurface holds it as loaded);
//  - colour equal to ColorRed negates FigureOffsetX and FigureOffsetY themselves, so the
//    red image lands mirror-wise to a blue one placed with the same offsets;
//  - the bee of the scotoma training is lifted by 30 pixels.
// Pixels falling outside the scene are left out.
enum class PlaceResult {
    Placed,
    NoPicture, // the file is missing or no picture; PictureWidth/Height are 0
    NoSurface, // a surface could not be made or locked: nothing composed
};
// With objectWidth (the fusion diagnostic) the picture is first scaled to its object's real
// width (fusionFigureScale of the session's object and size items) instead of FigureScale.
PlaceResult PlaceFigure(SharedState& state, int mode, ColourWord colour, const QString& name,
                        double mmPerPixel, bool objectWidth = false);

// The fusion diagnostic's scale for a picture pictureWidth pixels wide: the width of the
// object (RadioGroupObjFuz item: cat, candy, butterfly) at the size item (RadioGroupSizeFuz)
// in millimetres, over mmPerPixel. Items out of range count as the nearest one.
double fusionFigureScale(int objectItem, int sizeItem, double mmPerPixel, int pictureWidth);

} // namespace trelon
