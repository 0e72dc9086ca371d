#pragma once
// The procedure set-up screen, opened by the procedure buttons of the main window. It shows
// the controls of the chosen procedure over the display (grey screen, contrast swatches,
// object picture) and starts the stimulus window. The logic lives in ProcedureSetup; this
// widget forwards events to it and mirrors its controls.
#include "gui/ModalScreen.h"
#include "gui/QtDialogs.h"
#include "setup/ProcedureSetup.h"

#include <QCursor>
#include <array>
#include <functional>

class QTimer;

namespace trelon {

struct SharedState;
class Dialogs;
class PresenterWidget;
class TForm1;
class TFormParamSp;
class TNastrForm;

class TFormParam : public ModalScreen {
    Q_OBJECT
public:
    TFormParam(SharedState& state, QWidget* parent = nullptr);
    ~TFormParam() override;

    // The screens opened from here; any may be null (nothing is shown for it then).
    void setScreens(TNastrForm* nastrForm, TFormParamSp* formParamSp, TForm1* form1);
    // The program's dialogs (the screen's own Qt dialogs until this is called).
    void setDialogs(Dialogs& dialogs);
    // Reads the main window's patient boxes. Until set, the patient the main window put in
    // the session counts as chosen.
    void setPatientBoxes(std::function<PatientBoxes()> boxes) { patientBoxes_ = std::move(boxes); }

    ProcedureSetup& setup() { return setup_; }
    const ProcedureSetup& setup() const { return setup_; }

    // Handlers (public so tests can drive them the way the toolkit would).
    void FormActivate();
    void FormPaint();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FormMouseDown(int x, int y); // screen coordinates
    void BitBtn1Click();
    void BitBtn2Click();
    void Timer1Timer();
    void ApplicationEvents1Deactivate();

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    QWidget* widgetOf(SetupControl id) const { return widgets_[static_cast<int>(id)]; }
    // Copies the state of every control, the caption and the timer from the set-up logic.
    void syncFromSetup();
    void choose(SetupControl group, int item);
    void schedulePaint();
    // Releases the display, shows a screen modally over this one, then activates again.
    void showOtherScreen(const std::function<void()>& showModal);
    // Shows a screen modally over this one; a focus loss meanwhile closes this one after.
    void runChild(const std::function<void()>& showModal);
    void applicationDeactivated() override;
    PatientBoxes patientBoxes() const;
    QPoint screenOrigin() const;

    SharedState& state_;
    QtDialogs ownDialogs_;
    ProcedureSetup setup_;
    std::function<PatientBoxes()> patientBoxes_;
    TNastrForm* nastrForm_ = nullptr;
    TFormParamSp* formParamSp_ = nullptr;
    TForm1* form1_ = nullptr;

    PresenterWidget* presenter_ = nullptr;
    std::array<QWidget*, kSetupControlCount> widgets_{};
    QTimer* Timer1 = nullptr;
    QCursor programCursor_;
    bool childShowing_ = false; // a screen opened from here is on top
    bool closeAfterChild_ = false;
    bool paintScheduled_ = false;
};

} // namespace trelon
