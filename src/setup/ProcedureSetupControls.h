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
    BitBtn1,
    BitBtn2,
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    Label6,
    Label7,
    Label8,
    Label9,
    Label10,
    Label11,
    lt,
    ll,
    lb,
    lr,
};
inline constexpr int kSetupControlCount = static_cast<int>(SetupControl::lr) + 1;

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
    QRect rect;        // place on the design area (size alone for buttons, labels 9-11, bars)
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

// Left + width and top + height, as the controls measure their edges.
inline int rightEdge(const QRect& r) {
    return r.x() + r.width();
}
inline int bottomEdge(const QRect& r) {
    return r.y() + r.height();
}

} // namespace trelon
