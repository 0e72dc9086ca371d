#include "config/ParamSpForm.h"

#include "shell/SharedState.h"

namespace trelon {

TFormParamSp::TFormParamSp(SharedState& state, QWidget* parent)
    : ModalScreen(parent), state_(state) {
    FormCreate();
}

void TFormParamSp::FormCreate() {
    setWindowTitle(QStringLiteral("Дополнительные параметры"));
}

} // namespace trelon
