#include "gui/ScreenGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace trelon {

void maximiseToScreen(QWidget* window) {
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        // Without a window manager "maximised" is only a hint; the geometry makes it real.
        window->setGeometry(screen->geometry());
    }
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

QScreen* screenOf(const QWidget* window) {
    return window != nullptr && window->screen() != nullptr ? window->screen()
                                                            : QGuiApplication::primaryScreen();
}

void fullScreenOn(QWidget* window, QScreen* screen) {
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    if (screen != nullptr) {
        window->setScreen(screen);
        window->setGeometry(screen->geometry());
    }
    window->setWindowState((window->windowState() & ~Qt::WindowMaximized) | Qt::WindowFullScreen);
}

} // namespace trelon
