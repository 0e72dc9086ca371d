#pragma once
// Base of the screens shown modally over the main window: maximised over the whole screen,
// closed with Esc.
#include <QDialog>

namespace trelon {

class ModalScreen : public QDialog {
    Q_OBJECT
public:
    explicit ModalScreen(QWidget* parent = nullptr);
    // Shows the screen modally, maximised; returns when it closes.
    int showModal();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Places the window before it shows: maximised on its screen.
    virtual void placeOnScreen();
    // Called when the application loses the focus while this screen is shown.
    virtual void applicationDeactivated() {}
};

} // namespace trelon
