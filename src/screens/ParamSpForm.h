#pragma once
// The additional parameters screen (opened by Ctrl+Shift+F3).
#include "gui/ModalScreen.h"

namespace trelon {

struct SharedState;

class TFormParamSp : public ModalScreen {
    Q_OBJECT
public:
    TFormParamSp(SharedState& state, QWidget* parent = nullptr);

private:
    void FormCreate();
    SharedState& state_;
};

} // namespace trelon
