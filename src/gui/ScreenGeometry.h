#pragma once
// Maximised and full-screen windows: they fill the whole screen even where no window manager
// runs.
class QScreen;
class QWidget;

namespace trelon {

// Makes the window frameless and gives it the geometry of its screen, maximised.
void maximiseToScreen(QWidget* window);

// The monitor a window is on: the one holding most of it, else the primary one.
QScreen* screenOf(const QWidget* window);

// Makes the window frameless and full screen on screen, covering it whole (panels included).
void fullScreenOn(QWidget* window, QScreen* screen);

} // namespace trelon
