#pragma once
// The look the screens share: the named window colours, as Windows colour values (red + 256 *
// green + 65536 * blue, turned into a QColor by windowsColour()), the screens' font and the
// helpers that colour their widgets and make their labels, buttons and panels.
#include "gui/Fonts.h"

#include <QPoint>
#include <QSize>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace trelon::colours {

inline constexpr unsigned kBlack = 0x000000;
inline constexpr unsigned kWhite = 0xFFFFFF;
inline constexpr unsigned kRed = 0x0000FF;
inline constexpr unsigned kBlue = 0xFF0000;
inline constexpr unsigned kGreen = 0x008000;
inline constexpr unsigned kLime = 0x00FF00;
inline constexpr unsigned kNavy = 0x800000;
inline constexpr unsigned kPurple = 0x800080;
inline constexpr unsigned kMoneyGreen = 0xC0DCC0; // the pale green of the main and set-up screens
inline constexpr unsigned kBtnFace = 0xC8D0D4;    // the panels' grey (212, 208, 200)
inline constexpr unsigned kDarkPanel = 0x808080;

} // namespace trelon::colours

namespace trelon {

// The screens' font: MS Sans Serif (as its nearest Linux font) of a pixel size.
QFont screenFont(int pixelSize = 13, bool bold = true);

// The window and button background of a widget (screens, panels, groups, buttons, squares).
void setWindowColour(QWidget* widget, unsigned colour);
// The background of input fields (line edits).
void setFieldColour(QWidget* widget, unsigned colour);
// The text of labels, buttons and fields. With enabledOnly a disabled widget keeps the
// style's grey text.
void setTextColour(QWidget* widget, unsigned colour, bool enabledOnly = false);

// A label sized to its text at a place on parent.
QLabel* makeLabel(const QString& text, QWidget* parent, QPoint at,
                  unsigned colour = colours::kBlack, const QFont& font = screenFont());
// A button that Enter does not press unless it has the focus.
QPushButton* makeButton(const QString& text, QWidget* parent, const QFont& font,
                        unsigned textColour = colours::kBlack);
// A raised panel of a size that paints its own background.
QFrame* makeRaisedPanel(QWidget* parent, QSize size);

} // namespace trelon
