#pragma once
// The procedure set-up screen, opened by the procedure buttons of the main window.
#include "ui/ModalScreen.h"

namespace trelon {

struct SharedState;

class TFormParam : public ModalScreen {
    Q_OBJECT
public:
    TFormParam(SharedState& state, QWidget* parent = nullptr);

private:
    SharedState& state_;
};

} // namespace trelon
