#include "display/StimulusForm.h"

#include "shell/SharedState.h"

namespace trelon {

TForm1::TForm1(SharedState& state, QWidget* parent) : ModalScreen(parent), state_(state) {}

} // namespace trelon
