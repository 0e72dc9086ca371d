#include "gui/KeyPreview.h"

#include <QApplication>
#include <QWidget>

namespace trelon {

bool isFirstKeyDelivery(const QWidget* screen, const QObject* watched) {
    const QWidget* focus = QApplication::focusWidget();
    const QObject* first = focus != nullptr ? static_cast<const QObject*>(focus) : screen;
    return watched == first && (first == screen || screen->isAncestorOf(focus));
}

} // namespace trelon
