#pragma once
// Where the results screen's controls stand, computed from the window's size and what it
// shows, without widgets. The screen places its widgets at these rectangles.
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

namespace trelon {

struct ResultsScreenShape {
    QSize client;                   // the window's inner size
    QSize familyLabel;              // LabelFamily's text size: advance and line height
    std::optional<int> choiceItems; // the shown procedure's choice group and its item count
    bool distanceFilter = true;     // PanelKosogl
    bool directionFilter = false;   // RadioGroupUgol, below PanelKosogl
    bool graphShown = false;
};

struct ResultsScreenLayout {
    QRect PanelBtn;
    std::array<QRect, 4> buttons; // BitBtnPrint, BitBtn3, BitBtnGraph, BitBtnExit
    QRect ComboBoxExp, RadioGroupDiagTren, LabelFamily;
    QRect choiceGroup; // empty without a choice
    // PanelKosogl and its children, the direction group below it (empty when not shown).
    QRect PanelKosogl, Label4, CheckBoxAll, RadioGroupContrast, RadioGroupUgol;
    std::array<QRect, 6> distanceBoxes;
    QRect LabelDel, PanelTabl, StringGridRezult;
    // The graph and its print buttons (empty while the graph is not shown).
    QRect PanelPrint, BitBtn2, BitBtn1, PanelGraph, ImageGraph;
    // The printed graph's settings panel over the whole window.
    QRect Panel1, Panel2, Label5, ListEditor, Memo1, BitBtn4, BitBtn5, BitBtn6;
};

inline constexpr int kResultsButtonHeight = 34;
inline constexpr int kResultsGroupWidth = 210;
// ListEditor's two column widths.
inline constexpr int kSettingCaptionWidth = 380;
inline constexpr int kSettingValueWidth = 130;

ResultsScreenLayout layOutResultsScreen(const ResultsScreenShape& shape);

} // namespace trelon
