#pragma once
// The full-screen stimulus window in which a procedure runs.
#include "ui/ModalScreen.h"

namespace trelon {

struct SharedState;

class TForm1 : public ModalScreen {
    Q_OBJECT
public:
    TForm1(SharedState& state, QWidget* parent = nullptr);

private:
    SharedState& state_;
};

} // namespace trelon
