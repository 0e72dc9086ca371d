#pragma once
#include "state/SharedState.h"

namespace trelon {

// Sets the message texts the main window shares with the other screens.
void SetSharedTexts(SharedTexts& texts);

} // namespace trelon
