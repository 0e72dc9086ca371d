#pragma once
// The results screen of the chosen patient.
#include "gui/ModalScreen.h"

namespace trelon {

struct SharedState;

class TFormRezult : public ModalScreen {
    Q_OBJECT
public:
    TFormRezult(SharedState& state, QWidget* parent = nullptr);

private:
    SharedState& state_;
};

} // namespace trelon
