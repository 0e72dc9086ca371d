#include "display/ParamForm.h"

#include "shell/SharedState.h"

namespace trelon {

TFormParam::TFormParam(SharedState& state, QWidget* parent) : ModalScreen(parent), state_(state) {
    setWindowTitle(QStringLiteral("Параметры"));
}

} // namespace trelon
