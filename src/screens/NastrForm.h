#pragma once
// The colour calibration screen (opened by Ctrl+Shift+F2): the four role colours edited
// component by component over a test pattern drawn in their palette entries. Its creation
// sets the starting role colours that every later screen shows. The logic lives in
// ColourCalibration; this widget forwards events to it and mirrors its fields.
#include "gui/ModalScreen.h"
#include "gui/QtDialogs.h"
#include "setup/ColourCalibration.h"

#include <array>

class QFrame;
class QLineEdit;
class QRadioButton;

namespace trelon {

struct SharedState;
class PresenterWidget;
class RadioGroupWidget;
class SpinButtonWidget;

class TNastrForm : public ModalScreen {
    Q_OBJECT
public:
    TNastrForm(SharedState& state, QWidget* parent = nullptr);

    // The program's dialogs (the screen's own Qt dialogs until this is called).
    void setDialogs(Dialogs& dialogs) { calibration_.setDialogs(dialogs); }
    ColourCalibration& calibration() { return calibration_; }

    // Handlers (public so tests can drive them the way the toolkit would).
    void FormActivate();
    void BtnHighClick();
    void Button1Click();
    void BitBtn1Click();
    void ApplicationEvents1Deactivate();

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void buildControls();
    QFrame* panel(const char* name, QSize size, unsigned colour);
    void placeControls();
    // Copies the fields, the level and the glasses choice from the calibration logic.
    void syncFromCalibration();
    QSize screenSize() const;
    void applicationDeactivated() override;

    SharedState& state_;
    QtDialogs ownDialogs_;
    ColourCalibration calibration_;
    PresenterWidget* presenter_ = nullptr;
    QFrame* Panel4 = nullptr;
    QFrame* PanelFon = nullptr;
    QFrame* PanelAll = nullptr;
    QFrame* PanelBlue = nullptr;
    QFrame* PanelRed = nullptr;
    RadioGroupWidget* RadioGroupContrast = nullptr;
    QRadioButton* RadioButtonRedBlue = nullptr;
    QRadioButton* RadioButtonRedGreen = nullptr;
    QWidget* BtnHigh = nullptr;
    QWidget* Button1 = nullptr;
    QWidget* Button3 = nullptr;
    std::array<QLineEdit*, kCalibrationFieldCount> edits_{};
    std::array<SpinButtonWidget*, kCalibrationFieldCount> spins_{};
    bool activated_ = false; // shown and laid out: a resize from now on closes the screen
};

} // namespace trelon
