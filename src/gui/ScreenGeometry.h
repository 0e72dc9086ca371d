#pragma once
// Maximised screens: they fill the whole screen even where no window manager runs.
class QWidget;

namespace trelon {

// Makes the window frameless and gives it the geometry of its screen, maximised.
void maximiseToScreen(QWidget* window);

} // namespace trelon
