#include "config/NastrForm.h"

#include "config/LangText.h"
#include "config/StartingColours.h"
#include "shell/SharedState.h"

namespace trelon {

TNastrForm::TNastrForm(SharedState& state, QWidget* parent) : ModalScreen(parent), state_(state) {
    FormCreate();
}

void TNastrForm::FormCreate() {
    setWindowTitle(ReadText(state_.paths.ProgramDir, QStringLiteral("ColorForm"),
                            QStringLiteral("Title"), QStringLiteral("Настройка цвета")));
    ApplyStartingColours(state_);
}

} // namespace trelon
