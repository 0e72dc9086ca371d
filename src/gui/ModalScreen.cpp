#include "gui/ModalScreen.h"

#include "gui/ScreenGeometry.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace trelon {

ModalScreen::ModalScreen(QWidget* parent) : QDialog(parent) {
    setModal(true);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState applicationState) {
                if (applicationState != Qt::ApplicationActive && isVisible()) {
                    applicationDeactivated();
                }
            });
}

int ModalScreen::showModal() {
    placeOnScreen();
    return exec();
}

void ModalScreen::placeOnScreen() {
    maximiseToScreen(this);
}

void ModalScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace trelon
