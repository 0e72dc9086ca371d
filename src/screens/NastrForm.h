#pragma once
// The colour calibration screen (opened by Ctrl+Shift+F2). Its creation sets the starting
// role colours that every later screen shows.
#include "gui/ModalScreen.h"

namespace trelon {

struct SharedState;

class TNastrForm : public ModalScreen {
    Q_OBJECT
public:
    TNastrForm(SharedState& state, QWidget* parent = nullptr);

private:
    void FormCreate();
    SharedState& state_;
};

} // namespace trelon
