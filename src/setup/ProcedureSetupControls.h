#pragma once
// The controls of the procedure set-up screen: names, captions, items and places on the
// 780 by 550 design area, and the state (place, visibility, choice) the screen shows them in.
// The screen's widgets mirror this state; the set-up logic changes only this state.
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>

namespace trelon {

enum class SetupControl {
    RadioGroupAmbliop,
    RadioGroupDistant,
    RadioGroupWork,
    RadioGroupSamolet,
    RadioGroupFrec,
    RadioGroupObjFuz,
    RadioGroupSkorostKoleb,
    RadioGroupMelkan,
    RadioGroupFuz,
    RadioGroupFuzTren,
    RadioGroupTrenFuzObj,
    RadioGroupTrenObj,
    RadioGroupBifixMove,
    RadioGroupShagMove,
    RadioGroupSkorost,
    RadioGroupPause,
    RadioGroupTestObj,
    RadioGroupSizeScotoma,
    RadioGroupScotomObj,
    RadioGroupSizeFuz,
    StartButton, // BitBtn1
    BackButton,  // BitBtn2
    // The flicker preview squares: red alone, blue alone, red above blue, and the checker
    // whose two diagonals alternate.
    FlickerRedSquare,    // Label1
    FlickerBlueSquare,   // Label2
    FlickerBothRedHalf,  // Label3
    FlickerBothBlueHalf, // Label4
    FlickerCheckerRed1,  // Label5
    FlickerCheckerBlue1, // Label6
    FlickerCheckerRed2,  // Label7
    FlickerCheckerBlue2, // Label8
    SwatchName1,         // Label9, beside the first contrast swatch
    SwatchName2,         // Label10
    SwatchName3,         // Label11
    // The black frame around the chosen swatch.
    FrameTop,    // lt
    FrameLeft,   // ll
    FrameBottom, // lb
    FrameRight,  // lr
};
inline constexpr int kSetupControlCount = static_cast<int>(SetupControl::FrameRight) + 1;

inline constexpr int kSetupDesignWidth = 780;
inline constexpr int kSetupDesignHeight = 550;

enum class SetupControlKind {
    RadioGroup,
    Button,
    PreviewLabel, // a red or blue square of the flicker preview
    SwatchLabel,  // "Палитра 1" .. "Палитра 3"
    FrameBar,     // a black bar of the frame around the chosen swatch
};

struct SetupControlDesign {
    SetupControl id;
    SetupControlKind kind;
    QString name;      // object name, as the control is called
    QString caption;   // group caption or text
    QStringList items; // radio group items as first shown
    int columns;       // radio group columns
    QRect rect;        // place on the design area (size alone for buttons, swatch names, bars)
};

// Every control, indexed by SetupControl.
const std::array<SetupControlDesign, kSetupControlCount>& setupControlDesigns();
const SetupControlDesign& designOf(SetupControl id);

struct SetupControlState {
    QRect rect; // on the screen
    bool visible = true;
    bool enabled = true;
    int itemIndex = 0; // radio groups
    QStringList items; // radio groups
};
using SetupControlStates = std::array<SetupControlState, kSetupControlCount>;

// The controls as the screen's creation places them on a screen of screenSize: the design
// area centred (a = (width - 780) / 2, b = (height - 550) / 2, halved towards zero), the
// swatch names beside the swatches and the two buttons centred on the bottom line.
SetupControlStates layOutSetupControls(QSize screenSize);

// The swatches' left edge: RadioGroupAmbliop's right edge - 160.
int swatchX(const SetupControlStates& controls);
// The first swatch's top: RadioGroupDistant's bottom edge + 20.
int swatchY(const SetupControlStates& controls);

// The item "Самолет (8)" of RadioGroupScotomObj, the one object with a direction.
inline constexpr int kAirplaneItem = 2;

// The eight flicker preview squares.
inline constexpr SetupControl kFlickerSquares[] = {
    SetupControl::FlickerRedSquare,   SetupControl::FlickerBlueSquare,
    SetupControl::FlickerBothRedHalf, SetupControl::FlickerBothBlueHalf,
    SetupControl::FlickerCheckerRed1, SetupControl::FlickerCheckerBlue1,
    SetupControl::FlickerCheckerRed2, SetupControl::FlickerCheckerBlue2};

// The timing groups of the chosen work mode: pause and step for the automatic mode with
// pauses, speed for the uniform one, none for the manual mode.
void showWorkModeGroups(SetupControlStates& controls);
// All eight flicker squares, except the alternating variant's first diagonal while a
// frequency is chosen (it starts hidden).
void resetFlickerSquares(SetupControlStates& controls);
// The direction group is for the airplane object only.
void enableAirplaneDirections(SetupControlStates& controls);

// Left + width and top + height, as the controls measure their edges.
inline int rightEdge(const QRect& r) {
    return r.x() + r.width();
}
inline int bottomEdge(const QRect& r) {
    return r.y() + r.height();
}

} // namespace trelon
