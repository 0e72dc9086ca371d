#include "screens/ParamSpForm.h"

#include "config/LangText.h"
#include "state/SharedState.h"

namespace trelon {

TFormParamSp::TFormParamSp(SharedState& state, QWidget* parent)
    : ModalScreen(parent), state_(state) {
    FormCreate();
}

void TFormParamSp::FormCreate() {
    setWindowTitle(ReadText(state_.paths.ProgramDir, QStringLiteral("SpecialForm"),
                            QStringLiteral("Title"), QStringLiteral("Дополнительные параметры")));
}

} // namespace trelon
