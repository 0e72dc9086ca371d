#include "screens/NastrForm.h"

#include "config/LangText.h"
#include "state/SharedState.h"
#include "stimulus/StartingColours.h"

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
