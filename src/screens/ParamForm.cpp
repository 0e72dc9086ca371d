#include "screens/ParamForm.h"

#include "common/FileSystem.h"
#include "display/DisplayDevice.h"
#include "gui/KeyPreview.h"
#include "gui/PresenterWidget.h"
#include "gui/RadioGroupWidget.h"
#include "gui/ScreenStyle.h"
#include "screens/NastrForm.h"
#include "screens/ParamSpForm.h"
#include "screens/StimulusForm.h"
#include "state/SharedState.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace trelon {

namespace {

using C = SetupControl;

using namespace colours;

constexpr int kFlickerPreviewMs = 200;

// Background and text colours; a disabled control keeps the greyed text of the style.
void setColours(QWidget* widget, unsigned background, unsigned text) {
    setWindowColour(widget, background);
    setTextColour(widget, text, true);
}

// The preview squares: red, blue, red above blue, and the checker of the alternating variant.
unsigned previewColour(SetupControl id) {
    switch (id) {
    case C::FlickerBlueSquare:
    case C::FlickerBothBlueHalf:
    case C::FlickerCheckerBlue1:
    case C::FlickerCheckerBlue2:
        return kBlue;
    default:
        return kRed;
    }
}

} // namespace

TFormParam::TFormParam(SharedState& state, QWidget* parent)
    : ModalScreen(parent), state_(state), ownDialogs_(this), setup_(state, ownDialogs_) {
    setObjectName(QStringLiteral("FormParam"));
    setWindowTitle(setup_.caption());
    setAutoFillBackground(true);
    setColours(this, kMoneyGreen, kBlack);

    presenter_ = new PresenterWidget(state_.display, this);
    presenter_->setObjectName(QStringLiteral("Presenter"));
    presenter_->setAutoFillBackground(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kFlickerPreviewMs);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    buildControls();

    // FormCreate: the program's cursor, the layout on this screen, the swatch of the level.
    const QPixmap cursorImage(resolvePath(state_.paths.ProgramDir, QStringLiteral("ZEP_CUR.png")));
    programCursor_ = cursorImage.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(cursorImage, 0, 0);
    for (QWidget* widget : {static_cast<QWidget*>(this), widgetOf(C::RadioGroupAmbliop),
                            widgetOf(C::StartButton), widgetOf(C::BackButton)}) {
        widget->setCursor(programCursor_);
    }
    QSize screenSize;
    if (state_.display.DisplayDevice) {
        screenSize = state_.display.DisplayDevice->screenSize();
    } else if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screenSize = primary->size();
    }
    setup_.layOut(screenSize);
    syncFromSetup();
}

TFormParam::~TFormParam() {
    qApp->removeEventFilter(this);
}

void TFormParam::setScreens(TNastrForm* nastrForm, TFormParamSp* formParamSp, TForm1* form1) {
    nastrForm_ = nastrForm;
    formParamSp_ = formParamSp;
    form1_ = form1;
    if (nastrForm != nullptr) {
        setup_.setCalibrationChoice(
            [nastrForm](int level) { nastrForm->calibration().setContrastChoice(level); });
    } else {
        setup_.setCalibrationChoice({});
    }
}

void TFormParam::setDialogs(Dialogs& dialogs) {
    setup_.setDialogs(dialogs);
}

void TFormParam::buildControls() {
    const QFont groupFont = screenFont();
    for (const SetupControlDesign& design : setupControlDesigns()) {
        QWidget* widget = nullptr;
        switch (design.kind) {
        case SetupControlKind::RadioGroup: {
            auto* group = new RadioGroupWidget(design.caption, design.columns, presenter_);
            group->setObjectName(design.name);
            group->setFont(groupFont);
            setColours(group, kMoneyGreen, kBlack);
            const C id = design.id;
            connect(group, &RadioGroupWidget::itemClicked, this,
                    [this, id](int item) { choose(id, item); });
            widget = group;
            break;
        }
        case SetupControlKind::Button: {
            auto* button = makeButton(design.caption, presenter_,
                                      windowsFont(QStringLiteral("Tahoma"), 32, true),
                                      design.id == C::BackButton ? kRed : kBlack);
            setWindowColour(button, kMoneyGreen);
            connect(button, &QPushButton::clicked, this,
                    design.id == C::StartButton ? &TFormParam::BitBtn1Click
                                                : &TFormParam::BitBtn2Click);
            widget = button;
            break;
        }
        case SetupControlKind::SwatchLabel: {
            auto* label = new QLabel(design.caption, presenter_);
            label->setFont(groupFont);
            label->setAutoFillBackground(true);
            widget = label;
            break;
        }
        case SetupControlKind::PreviewLabel:
        case SetupControlKind::FrameBar: {
            auto* square = new QFrame(presenter_);
            square->setAutoFillBackground(true);
            const unsigned colour =
                design.kind == SetupControlKind::FrameBar ? kBlack : previewColour(design.id);
            setColours(square, colour, colour);
            widget = square;
            break;
        }
        }
        widget->setObjectName(design.name);
        widgets_[static_cast<int>(design.id)] = widget;
    }
}

QPoint TFormParam::screenOrigin() const {
    const QScreen* shownOn = presenter_->screen();
    return presenter_->mapFromGlobal(shownOn ? shownOn->geometry().topLeft() : QPoint(0, 0));
}

void TFormParam::syncFromSetup() {
    setWindowTitle(setup_.caption());
    const QPoint origin = screenOrigin();
    for (const SetupControlDesign& design : setupControlDesigns()) {
        const SetupControlState& control = setup_.control(design.id);
        QWidget* widget = widgetOf(design.id);
        if (design.kind == SetupControlKind::SwatchLabel) {
            // The label keeps its place and fits its text.
            widget->adjustSize();
            widget->move(control.rect.topLeft() + origin);
            const int level = static_cast<int>(design.id) - static_cast<int>(C::SwatchName1) + 1;
            setColours(widget, level == setup_.highlightedLevel() ? kWhite : kMoneyGreen, kBlack);
        } else {
            widget->setGeometry(control.rect.translated(origin));
        }
        if (auto* group = qobject_cast<RadioGroupWidget*>(widget)) {
            group->setItems(control.items);
            group->setItemIndex(control.itemIndex);
        }
        widget->setEnabled(control.enabled);
        widget->setVisible(control.visible);
    }
    if (setup_.flickerPreviewRunning() && !Timer1->isActive()) {
        Timer1->start();
    } else if (!setup_.flickerPreviewRunning()) {
        Timer1->stop();
    }
}

PatientBoxes TFormParam::patientBoxes() const {
    if (patientBoxes_) {
        return patientBoxes_();
    }
    return {state_.session.PatientName, QString::number(state_.session.PatientNumber)};
}

void TFormParam::choose(SetupControl group, int item) {
    setup_.choose(group, item);
    syncFromSetup();
}

void TFormParam::schedulePaint() {
    if (paintScheduled_) {
        return;
    }
    paintScheduled_ = true;
    // Drawing on the display notifies the presenter, so it runs outside any paint event.
    QTimer::singleShot(0, this, [this] {
        paintScheduled_ = false;
        if (isVisible() && !childShowing_) {
            FormPaint();
        }
    });
}

void TFormParam::FormActivate() {
    setup_.activate(patientBoxes());
    setCursor(programCursor_);
    syncFromSetup();
    schedulePaint();
}

void TFormParam::FormPaint() {
    setup_.drawScreen();
    presenter_->connectToDevice();
}

void TFormParam::FormMouseDown(int x, int y) {
    setup_.chooseSwatchAt(x, y);
    syncFromSetup();
}

void TFormParam::Timer1Timer() {
    setup_.blinkFlickerPreview();
    syncFromSetup();
}

bool TFormParam::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers mods =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrlShift = mods == (Qt::ControlModifier | Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BitBtn1Click();
        return true;
    case Qt::Key_F2:
        if (!ctrlShift) {
            return false;
        }
        showOtherScreen([this] {
            if (nastrForm_ != nullptr) {
                nastrForm_->showModal();
            }
        });
        return true;
    case Qt::Key_F3:
        if (!ctrlShift) {
            return false;
        }
        showOtherScreen([this] {
            if (formParamSp_ != nullptr) {
                formParamSp_->showModal();
            }
        });
        return true;
    default:
        return false;
    }
}

void TFormParam::runChild(const std::function<void()>& showModal) {
    childShowing_ = true;
    closeAfterChild_ = false;
    showModal();
    childShowing_ = false;
}

void TFormParam::showOtherScreen(const std::function<void()>& showModal) {
    setup_.releaseForOtherScreen();
    syncFromSetup();
    runChild(showModal);
    setup_.otherScreenClosed();
    if (closeAfterChild_) {
        ApplicationEvents1Deactivate();
        return;
    }
    FormActivate(); // this screen is active again
}

void TFormParam::BitBtn1Click() {
    if (!setup_.startSession(patientBoxes())) {
        return;
    }
    syncFromSetup();
    runChild([this] {
        if (form1_ != nullptr) {
            form1_->showModal();
        }
    });
    if (closeAfterChild_) {
        state_.SessionAborted = true;
    }
    const bool aborted = setup_.finishSession(patientBoxes());
    setCursor(programCursor_);
    syncFromSetup();
    if (aborted) {
        close();
        return;
    }
    schedulePaint();
}

void TFormParam::BitBtn2Click() {
    close();
}

void TFormParam::ApplicationEvents1Deactivate() {
    setup_.focusLost();
    syncFromSetup();
    close();
}

void TFormParam::applicationDeactivated() {
    if (childShowing_) {
        // The screen on top handles its own focus loss; this one closes once it returns.
        closeAfterChild_ = true;
        return;
    }
    ApplicationEvents1Deactivate();
}

void TFormParam::done(int result) {
    setup_.close();
    Timer1->stop();
    ModalScreen::done(result);
}

void TFormParam::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    qApp->installEventFilter(this);
    presenter_->setGeometry(rect());
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TFormParam::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    ModalScreen::hideEvent(event);
}

void TFormParam::resizeEvent(QResizeEvent* event) {
    ModalScreen::resizeEvent(event);
    presenter_->setGeometry(rect());
    syncFromSetup();
}

bool TFormParam::eventFilter(QObject* watched, QEvent* event) {
    if (watched == presenter_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint onScreen = press->position().toPoint() - screenOrigin();
        FormMouseDown(onScreen.x(), onScreen.y());
        return false;
    }
    if (event->type() != QEvent::KeyPress || childShowing_ ||
        QApplication::activeModalWidget() != this) {
        return false;
    }
    if (!isFirstKeyDelivery(this, watched)) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    return FormKeyDown(key->key(), key->modifiers());
}

} // namespace trelon
