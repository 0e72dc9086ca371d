#include "screens/RezultForm.h"

#include "config/LangText.h"
#include "state/SharedState.h"

namespace trelon {

TFormRezult::TFormRezult(SharedState& state, QWidget* parent) : ModalScreen(parent), state_(state) {
    setWindowTitle(ReadText(state_.paths.ProgramDir, QStringLiteral("RezultForm"),
                            QStringLiteral("Title"), QStringLiteral("Результаты")));
}

} // namespace trelon
