#include "screens/MainForm.h"

#include "common/FileSystem.h"
#include "gui/Fonts.h"
#include "gui/KeyPreview.h"
#include "gui/ScreenGeometry.h"
#include "gui/ScreenStyle.h"
#include "platform/Dialogs.h"
#include "results/ResultsFile.h"
#include "screens/NastrForm.h"
#include "screens/ParamForm.h"
#include "screens/ParamSpForm.h"
#include "screens/RezultForm.h"
#include "state/SharedState.h"
#include "stimulus/DisplaySetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace trelon {

namespace {

constexpr unsigned kProcedurePurple = 8521367;
constexpr unsigned kSplashFont = 10757594;
constexpr int kPanelWidth = 774;
constexpr int kPanelHeight = 560;
constexpr int kSplashWidth = 769;
constexpr int kSplashHeight = 552;
constexpr int kListTop = 60;
constexpr int kListItemHeight = 24;

QFont controlFont() {
    return screenFont(19);
}

// A splash or panel child that reports mouse presses to the splash handler.
class SplashPressFilter : public QObject {
public:
    explicit SplashPressFilter(TMainForm* form) : QObject(form), form_(form) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            form_->Panel6MouseDown();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TMainForm* form_;
};

} // namespace

TMainForm::TMainForm(SharedState& state, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), store_(state.paths, state.texts, dialogs),
      patients_(store_, state.texts, dialogs) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("ТРЕЛОН-2"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, windowsColour(colours::kMoneyGreen));
    setPalette(palette);
    setFont(controlFont());
    resize(790, 571);
    setMouseTracking(true);
    buildControls();
    buildSplash();
    // The program's cursor; the arrow when its picture is missing.
    const QPixmap cursorImage(resolvePath(state_.paths.ProgramDir, QStringLiteral("ZEP_CUR.png")));
    programCursor_ = cursorImage.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(cursorImage, 0, 0);
    useProgramCursor();
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState applicationState) {
                if (applicationState == Qt::ApplicationActive && !firstPaint_) {
                    ApplicationEvents1Activate();
                }
            });
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    ReleaseDisplayObjects(state_.display);
}

void TMainForm::showMaximisedWindow() {
    maximiseToScreen(this);
    show();
    activateWindow();
}

void TMainForm::buildControls() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, kPanelWidth, kPanelHeight);
    Panel1->setMouseTracking(true);

    auto label = [this](const QString& name, const QString& text, int x, int y) {
        auto* widget = new QLabel(text, Panel1);
        widget->setObjectName(name);
        widget->move(x, y);
        widget->adjustSize();
        return widget;
    };
    auto button = [this](const QString& name, const QString& text, QRect geometry) {
        auto* widget = new QPushButton(text, Panel1);
        widget->setObjectName(name);
        widget->setGeometry(geometry);
        widget->setFocusPolicy(Qt::StrongFocus);
        return widget;
    };

    label(QStringLiteral("Label6"), QStringLiteral("Новый пациент"), 16, 16);
    EditFam = new QLineEdit(Panel1);
    EditFam->setObjectName(QStringLiteral("EditFam"));
    EditFam->setGeometry(176, 12, 401, 32);
    connect(EditFam, &QLineEdit::textChanged, this, [this] { EditFamChange(); });
    // Enter in the name field adds the patient, as the Add button would.
    connect(EditFam, &QLineEdit::returnPressed, this, [this] {
        if (BitBtn9->isEnabled()) {
            BitBtn9Click();
        }
    });

    BitBtn9 = button(QStringLiteral("BitBtn9"), QStringLiteral("Добавить"), {600, 12, 160, 32});
    BitBtn9->setFont(windowsFont(QStringLiteral("MS Sans Serif"), 19, false));
    BitBtn9->setIcon(QIcon(resolvePath(state_.paths.ProgramDir, QStringLiteral("AddGlyph.png"))));
    BitBtn9->setEnabled(false);
    connect(BitBtn9, &QPushButton::clicked, this, [this] { BitBtn9Click(); });

    label(QStringLiteral("Label1"), QStringLiteral("Номер"), 16, 64);
    EditAll = new QLineEdit(QStringLiteral("0"), Panel1);
    EditAll->setObjectName(QStringLiteral("EditAll"));
    EditAll->setGeometry(104, 59, 65, 32);
    connect(EditAll, &QLineEdit::textEdited, this, [this] { EditAllChange(); });

    label(QStringLiteral("Label2"), QStringLiteral("Фамилия"), 176, 64);
    ComboBox2 = new QComboBox(Panel1);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(272, kListTop, 489, 32);
    connect(ComboBox2, &QComboBox::activated, this, [this](int index) { ComboBox2Change(index); });

    const QFont headingFont = windowsFont(QStringLiteral("System"), 40, true);
    QLabel* diagnostics = label(QStringLiteral("Label4"), QStringLiteral("Диагностика"), 16, 104);
    diagnostics->setFont(headingFont);
    diagnostics->adjustSize();
    setTextColour(diagnostics, colours::kNavy);

    struct ProcedureButton {
        const char* name;
        const char* caption;
        int x, y;
        void (TMainForm::*handler)();
    };
    const ProcedureButton buttons[] = {
        {"BitBtnDiagCvetotest", "Оценка характера зрения", 16, 152,
         &TMainForm::BitBtnDiagCvetotestClick},
        {"BitBtnDiagKosogl", "Измерение угла косоглазия", 16, 200,
         &TMainForm::BitBtnDiagKosoglClick},
        {"BitBtnDiagScotoma", "Выявление функциональной скотомы", 16, 248,
         &TMainForm::BitBtnDiagScotomaClick},
        {"BitBtnDiagFuzia", "Определение фузионных резервов", 16, 296,
         &TMainForm::BitBtnDiagFuziaClick},
        {"BitBtnTrenScotoma", "Ликвидация функциональной скотомы", 344, 360,
         &TMainForm::BitBtnTrenScotomaClick},
        {"BitBtnTrenKosogl", "Устранение косоглазия. Мелькания.", 344, 408,
         &TMainForm::BitBtnTrenKosoglClick},
        {"BitBtnTrenBifics", "Закрепление бификсации. Колебания.", 344, 456,
         &TMainForm::BitBtnTrenBificsClick},
        {"BitBtnTrenCvetotest", "Развитие фузионных резервов", 344, 504,
         &TMainForm::BitBtnTrenCvetotestClick},
    };
    for (const ProcedureButton& entry : buttons) {
        QPushButton* widget = button(QLatin1String(entry.name), QString::fromUtf8(entry.caption),
                                     {entry.x, entry.y, 420, 38});
        setTextColour(widget, entry.x == 16 ? colours::kNavy : kProcedurePurple);
        connect(widget, &QPushButton::clicked, this, entry.handler);
    }

    QLabel* training = label(QStringLiteral("Label5"), QStringLiteral("Тренировка"), 520, 312);
    training->setFont(headingFont);
    training->adjustSize();
    setTextColour(training, kProcedurePurple);

    CheckBoxPlayer = new QCheckBox(QStringLiteral("Включить звук"), Panel1);
    CheckBoxPlayer->setObjectName(QStringLiteral("CheckBoxPlayer"));
    CheckBoxPlayer->setGeometry(48, 416, 169, 24);
    CheckBoxPlayer->setChecked(true);
    setTextColour(CheckBoxPlayer, colours::kGreen);
    connect(CheckBoxPlayer, &QCheckBox::clicked, this, [this] { CheckBoxPlayerClick(); });

    BitBtnRezult = button(QStringLiteral("BitBtnRezult"), QStringLiteral("Просмотр результатов"),
                          {48, 456, 264, 38});
    connect(BitBtnRezult, &QPushButton::clicked, this, [this] { BitBtnRezultClick(); });

    BitBtnQuit = button(QStringLiteral("BitBtnQuit"), QStringLiteral("Выход"), {120, 504, 97, 38});
    setTextColour(BitBtnQuit, colours::kRed);
    connect(BitBtnQuit, &QPushButton::clicked, this, [this] { BitBtnQuitClick(); });

    EditFam->setFocus();
}

void TMainForm::buildSplash() {
    Panel6 = new QFrame(this);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setGeometry(0, 0, kSplashWidth, kSplashHeight);
    Panel6->setAutoFillBackground(true);
    setTextColour(Panel6, kSplashFont);
    auto* pressFilter = new SplashPressFilter(this);
    Panel6->installEventFilter(pressFilter);

    auto title = [this, pressFilter](const QString& name, const QString& text, QRect geometry,
                                     const QFont& font, unsigned colour) {
        auto* widget = new QLabel(text, Panel6);
        widget->setObjectName(name);
        widget->setFont(font);
        setTextColour(widget, colour);
        widget->setGeometry(geometry);
        widget->installEventFilter(pressFilter);
        return widget;
    };
    QLabel* name = title(QStringLiteral("Label8"), QStringLiteral("ТРЕЛОН-2"), {1, 1, 760, 128},
                         windowsFont(QStringLiteral("Tahoma"), 107, true), colours::kBlue);
    name->setAlignment(Qt::AlignCenter);

    auto* bar = new QFrame(Panel6);
    bar->setObjectName(QStringLiteral("Shape9"));
    bar->setGeometry(8, 136, 753, 9);
    bar->setAutoFillBackground(true);
    QPalette barPalette = bar->palette();
    barPalette.setColor(QPalette::Window, windowsColour(colours::kRed));
    bar->setPalette(barPalette);
    bar->installEventFilter(pressFilter);

    const QFont titleFont = windowsFont(QStringLiteral("Tahoma"), 32, true);
    const QFontMetrics metrics(titleFont);
    auto line = [&](const QString& objectName, const QString& text, int x, int y) {
        title(objectName, text, {x, y, metrics.horizontalAdvance(text) + 4, metrics.height()},
              titleFont, colours::kPurple);
    };
    line(QStringLiteral("Label13"), QStringLiteral("ДИАГНОСТИКА И ЛЕЧЕНИЕ"), 45, 168);
    line(QStringLiteral("Label12"), QStringLiteral("КОСОГЛАЗИЯ"), 320, 208);
    line(QStringLiteral("Label9"), QStringLiteral("РАЗВИТИЕ ФУЗИОННЫХ"), 40, 264);
    line(QStringLiteral("Label10"), QStringLiteral("СПОСОБНОСТЕЙ"), 273, 304);

    const QString dir = state_.paths.ProgramDir;
    auto picture = [&](const QString& objectName, const QString& file, QRect geometry) {
        auto* image = new QLabel(Panel6);
        image->setObjectName(objectName);
        image->setGeometry(geometry);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setPixmap(QPixmap(resolvePath(dir, file)));
        image->installEventFilter(pressFilter);
    };
    picture(QStringLiteral("Image1"), QStringLiteral("Splash1.bmp"), {584, 192, 177, 137});
    picture(QStringLiteral("Image2"), QStringLiteral("Splash2.bmp"), {40, 320, 201, 225});

    Panel6->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

bool TMainForm::splashVisible() const {
    return !Panel6->isHidden();
}

void TMainForm::placePanels() {
    // Centred when the client area is larger than the panel, otherwise at 0 (never negative).
    const int left = width() > Panel1->width() ? (width() - Panel1->width()) / 2 : 0;
    const int top = height() > Panel1->height() ? (height() - Panel1->height()) / 2 : 0;
    Panel1->move(left, top);
    Panel6->move(left, top);
}

void TMainForm::useProgramCursor() {
    setCursor(programCursor_);
    Panel1->setCursor(programCursor_);
}

void TMainForm::FormPaint() {
    paintScheduled_ = false;
    if (isVisible()) {
        maximiseToScreen(this);
    }
    if (firstPaint_ && !store_.SetUpDataFolder([this] { Panel6->hide(); })) {
        endProgram();
        return;
    }
    // VisionTypeTexts are constant; the cursor and the saved colours are refreshed.
    useProgramCursor();
    state_.SavedColors = state_.roles;
    placePanels();
    const FileResult folder = store_.EnsureResultsFolder();
    if (!folder.ok()) {
        dialogs_.error(windowTitle(), folder.error);
        return;
    }
    if (firstPaint_) {
        patients_.LoadPatientList();
        syncPatientControls();
    }
    useProgramCursor();
    firstPaint_ = false;
    state_.SoundOn = CheckBoxPlayer->isChecked();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstPaint_ && !paintScheduled_) {
        // The first paint settles the data folder; it may show dialogs, so it runs right
        // after the window is on screen rather than inside the paint itself.
        paintScheduled_ = true;
        QTimer::singleShot(0, this, [this] { FormPaint(); });
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePanels();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isActiveWindow()) {
        return false;
    }
    if (!isFirstKeyDelivery(this, watched)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    return FormKeyDown(key->key(), key->modifiers());
}

bool TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    // A modifier pressed on its own is only the start of a combination: the splash waits for
    // the key itself, so Ctrl+Shift+F2 pressed over the splash only hides it.
    const bool modifierOnly = key == Qt::Key_Shift || key == Qt::Key_Control ||
                              key == Qt::Key_Alt || key == Qt::Key_Meta || key == Qt::Key_AltGr;
    if (modifierOnly) {
        return false;
    }
    if (splashVisible()) {
        Panel6->hide();
        return true;
    }
    const Qt::KeyboardModifiers mods =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrlShift = mods == (Qt::ControlModifier | Qt::ShiftModifier) ||
                           mods == (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (ctrlShift && key == Qt::Key_F2) {
        if (screens_.NastrForm != nullptr) {
            screens_.NastrForm->showModal();
            FormPaint();
        }
        return true;
    }
    if (ctrlShift && key == Qt::Key_F3) {
        if (screens_.FormParamSp != nullptr) {
            screens_.FormParamSp->showModal();
            FormPaint();
        }
        return true;
    }
    if (mods == Qt::ControlModifier && key == Qt::Key_Delete) {
        patients_.DeleteSelectedPatient();
        syncPatientControls();
        return true;
    }
    return false;
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(static_cast<int>(event->position().y()));
    QWidget::mouseMoveEvent(event);
}

void TMainForm::FormMouseMove(int y) {
    if (y > 50 && y < 100) {
        setCursor(Qt::ArrowCursor);
    } else {
        useProgramCursor();
    }
}

void TMainForm::Panel6MouseDown() {
    if (splashVisible()) {
        Panel6->hide();
        Timer1->stop();
    }
}

void TMainForm::Timer1Timer() {
    Panel6->hide();
    Timer1->stop();
}

void TMainForm::CheckBoxPlayerClick() {
    state_.SoundOn = CheckBoxPlayer->isChecked();
}

void TMainForm::BitBtnRezultClick() {
    if (patients_.selectedName().isEmpty()) {
        dialogs_.information(state_.texts.NoPatientName);
        useProgramCursor();
        return;
    }
    if (!patients_.confirmSelection()) {
        syncPatientControls();
        useProgramCursor();
        return;
    }
    const std::optional<int> number = patients_.selectedPatientNumber();
    if (number) {
        state_.paths.ResultsFilePath = store_.patientResultsFile(*number);
        state_.session.PatientName = patients_.selectedName().left(kPatientNameCapacity);
        state_.session.PatientNumber = *number;
        const FileResult created = EnsureResultsFile(state_.paths.ResultsFilePath);
        if (!created.ok()) {
            dialogs_.error(windowTitle(), created.error);
        } else if (screens_.FormRezult != nullptr) {
            screens_.FormRezult->showModal();
            FormPaint();
        }
    }
    useProgramCursor();
}

void TMainForm::procedureButton(int isDiagnostics, int number) {
    state_.session.IsDiagnostics = static_cast<std::uint8_t>(isDiagnostics);
    state_.session.ProcedureNumber = static_cast<std::uint16_t>(number);
    StartProcedureSetup();
}

void TMainForm::StartProcedureSetup() {
    if (!patients_.selectedName().isEmpty()) {
        if (!patients_.confirmSelection()) {
            syncPatientControls();
            return;
        }
        const std::optional<int> number = patients_.selectedPatientNumber();
        if (!number) {
            return;
        }
        state_.session.PatientName = patients_.selectedName().left(kPatientNameCapacity);
        state_.session.PatientNumber = *number;
        state_.paths.ResultsFilePath = store_.patientResultsFile(*number);
    } else {
        state_.paths.ResultsFilePath = store_.commonResultsFile();
    }
    if (screens_.FormParam != nullptr) {
        screens_.FormParam->showModal();
        FormPaint();
    }
    // A result refused during the run because another copy changed this patient: the list is
    // read again as the operator comes back, not only at the next click.
    if (!patients_.selectedName().isEmpty() && !patients_.confirmSelection()) {
        syncPatientControls();
    }
}

void TMainForm::BitBtnQuitClick() {
    // No cursor confinement outlives the stimulus window here, so there is none to release.
    endProgram();
}

void TMainForm::endProgram() {
    close();
    QCoreApplication::exit(0);
}

void TMainForm::ApplicationEvents1Activate() {
    if (isVisible()) {
        maximiseToScreen(this);
    }
    if (!ReloadBasePalette(state_.display, state_.paths.ProgramDir)) {
        ReleaseDisplayObjects(state_.display);
        endProgram();
    }
}

void TMainForm::EditFamChange() {
    patients_.setNewName(EditFam->text());
    BitBtn9->setEnabled(patients_.addEnabled());
}

void TMainForm::BitBtn9Click() {
    patients_.setNewName(EditFam->text());
    patients_.addPatient();
    syncPatientControls();
}

void TMainForm::ComboBox2Change(int index) {
    patients_.pickListItem(index);
    syncPatientControls();
}

void TMainForm::EditAllChange() {
    patients_.setNumberText(EditAll->text());
    syncPatientControls();
}

void TMainForm::syncPatientControls() {
    const QSignalBlocker blockList(ComboBox2);
    const QSignalBlocker blockNumber(EditAll);
    const QSignalBlocker blockName(EditFam);
    const QStringList& items = patients_.listItems();
    QStringList shown;
    for (int i = 0; i < ComboBox2->count(); ++i) {
        shown << ComboBox2->itemText(i);
    }
    if (shown != items) {
        ComboBox2->clear();
        ComboBox2->addItems(items);
    }
    ComboBox2->setCurrentIndex(patients_.selectedIndex());
    if (EditAll->text() != patients_.numberText()) {
        EditAll->setText(patients_.numberText());
    }
    if (EditFam->text() != patients_.newNameText()) {
        EditFam->setText(patients_.newNameText());
    }
    BitBtn9->setEnabled(patients_.addEnabled());
    BitBtnRezult->setEnabled(patients_.resultsEnabled());
    ComboBox2->setMaxVisibleItems(
        std::max(1, patients_.dropDownCount(height(), Panel1->y(), kListTop, kListItemHeight)));
    switch (patients_.requestedFocus()) {
    case PatientPanel::Focus::NewName:
        EditFam->setFocus();
        break;
    case PatientPanel::Focus::PatientList:
        ComboBox2->setFocus();
        break;
    case PatientPanel::Focus::None:
        break;
    }
}

} // namespace trelon
