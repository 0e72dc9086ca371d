#pragma once
// The additional parameters screen (opened by Ctrl+Shift+F3): training timings and
// amplitudes, the glasses, the mouse speed limit, the screen scale against a 500-pixel black
// strip, and the picture sizes on a panel of their own. The logic lives in
// AdditionalParameters; this widget forwards events to it and mirrors its controls.
#include "gui/ModalScreen.h"
#include "gui/QtDialogs.h"
#include "setup/AdditionalParameters.h"

#include <array>

class QCheckBox;
class QFrame;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace trelon {

struct SharedState;
class RadioGroupWidget;
class SpinButtonWidget;

class TFormParamSp : public ModalScreen {
    Q_OBJECT
public:
    TFormParamSp(SharedState& state, QWidget* parent = nullptr);

    // The program's dialogs (the screen's own Qt dialogs until this is called).
    void setDialogs(Dialogs& dialogs) { parameters_.setDialogs(dialogs); }
    AdditionalParameters& parameters() { return parameters_; }

    // Handlers (public so tests can drive them the way the toolkit would).
    void FormActivate();
    void BitBtn2Click();
    void BitBtnSaveParamClick();
    void BitBtn1Click();
    void Button1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void ApplicationEvents1Deactivate();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void buildPanel1();
    void buildPanel6();
    void centrePanels();
    // The controls into the logic, and back.
    void syncToParameters();
    void syncFromParameters();
    void applicationDeactivated() override;

    SharedState& state_;
    QtDialogs ownDialogs_;
    AdditionalParameters parameters_;
    QFrame* Panel1 = nullptr;
    QFrame* Panel6 = nullptr;
    std::array<RadioGroupWidget*, kParamGroupCount> groups_{};
    QLineEdit* EditTimeMedlenno = nullptr;
    QLineEdit* EditTimeBystro = nullptr;
    QLineEdit* PixelMM = nullptr;
    QLineEdit* EditSdvigPalette = nullptr;
    SpinButtonWidget* UpDown4 = nullptr;
    SpinButtonWidget* UpDown5 = nullptr;
    QRadioButton* RadioButtonRedBlue = nullptr;
    QRadioButton* RadioButtonRedGreen = nullptr;
    QCheckBox* CheckBoxScorost = nullptr;
    QTableWidget* ListEditor = nullptr;
};

} // namespace trelon
