#include "results/RezultForm.h"

#include "shell/SharedState.h"

namespace trelon {

TFormRezult::TFormRezult(SharedState& state, QWidget* parent) : ModalScreen(parent), state_(state) {
    setWindowTitle(QStringLiteral("Результаты"));
}

} // namespace trelon
