#pragma once
// The main window: the operator's home screen. Registers and selects patients, offers the
// eight procedure buttons, opens the results screen, switches sound on and off, and quits.
#include "patients/PatientPanel.h"
#include "patients/PatientStore.h"

#include <QCursor>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace trelon {

struct SharedState;
class Dialogs;
class TFormParamSp;
class TNastrForm;
class TFormParam;
class TFormRezult;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // The screens the main window opens; each may be null (tests of the main window alone).
    struct Screens {
        TFormParamSp* FormParamSp = nullptr;
        TNastrForm* NastrForm = nullptr;
        TFormParam* FormParam = nullptr;
        TFormRezult* FormRezult = nullptr;
    };

    TMainForm(SharedState& state, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TMainForm() override;

    void setScreens(const Screens& screens) { screens_ = screens; }

    // Shows the window maximised over the whole screen.
    void showMaximisedWindow();

    PatientPanel& patients() { return patients_; }
    bool splashVisible() const;
    bool firstPaintPending() const { return firstPaint_; }

    // Handlers (public so tests can drive them the way the toolkit would).
    void FormPaint();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FormMouseMove(int y);
    void Panel6MouseDown();
    void Timer1Timer();
    void CheckBoxPlayerClick();
    void BitBtnRezultClick();
    void BitBtnQuitClick();
    void ApplicationEvents1Activate();
    void EditFamChange();
    void BitBtn9Click();
    void ComboBox2Change(int index);
    void EditAllChange();
    void BitBtnDiagCvetotestClick() { procedureButton(1, 1); }
    void BitBtnDiagKosoglClick() { procedureButton(1, 2); }
    void BitBtnDiagScotomaClick() { procedureButton(1, 3); }
    void BitBtnDiagFuziaClick() { procedureButton(1, 4); }
    void BitBtnTrenScotomaClick() { procedureButton(0, 1); }
    void BitBtnTrenKosoglClick() { procedureButton(0, 2); }
    void BitBtnTrenBificsClick() { procedureButton(0, 3); }
    void BitBtnTrenCvetotestClick() { procedureButton(0, 4); }
    void StartProcedureSetup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildSplash();
    void placePanels();
    void procedureButton(int isDiagnostics, int number);
    void syncPatientControls();
    void useProgramCursor();
    void endProgram();

    SharedState& state_;
    Dialogs& dialogs_;
    PatientStore store_;
    PatientPanel patients_;
    Screens screens_;
    bool firstPaint_ = true;
    bool paintScheduled_ = false;
    QCursor programCursor_;

    QFrame* Panel1 = nullptr;
    QFrame* Panel6 = nullptr;
    QLineEdit* EditFam = nullptr;
    QPushButton* BitBtn9 = nullptr;
    QLineEdit* EditAll = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QCheckBox* CheckBoxPlayer = nullptr;
    QPushButton* BitBtnRezult = nullptr;
    QPushButton* BitBtnQuit = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace trelon
