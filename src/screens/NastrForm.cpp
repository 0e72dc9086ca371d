#include "screens/NastrForm.h"

#include "config/LangText.h"
#include "display/DisplayDevice.h"
#include "gui/PresenterWidget.h"
#include "gui/RadioGroupWidget.h"
#include "gui/ScreenStyle.h"
#include "gui/SpinButtonWidget.h"
#include "state/SharedState.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>

namespace trelon {

namespace {

using namespace colours;

const QString kSection = QStringLiteral("ColorForm");

// Background and text colours of a control that paints its own background.
void setColours(QWidget* widget, unsigned background, unsigned text) {
    setWindowColour(widget, background);
    setFieldColour(widget, background);
    setTextColour(widget, text);
    widget->setAutoFillBackground(true);
}

unsigned channelColour(ColourChannel channel) {
    switch (channel) {
    case ChannelRed:
        return kRed;
    case ChannelGreen:
        return kLime;
    case ChannelBlue:
        break;
    }
    return kBlue;
}

QLabel* label(const QString& text, QWidget* parent, unsigned colour, int size, QPoint at) {
    return makeLabel(text, parent, at, colour, screenFont(size));
}

QPushButton* button(const QString& text, QWidget* parent, unsigned colour) {
    QPushButton* result = makeButton(text, parent, screenFont(19), colour);
    setColours(result, kBtnFace, colour);
    return result;
}

// A radio button for one kind of glasses on its panel, with a square of each filter colour.
QRadioButton* glassesPanel(const QString& text, QWidget* parent, QRect place, unsigned other) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setGeometry(place);
    auto* radio = new QRadioButton(text, frame);
    radio->setAutoExclusive(false);
    radio->setFont(screenFont());
    radio->setGeometry(6, 6, place.width() - 12, 22);
    for (int i = 0; i < 2; ++i) {
        auto* square = new QFrame(frame);
        setColours(square, i == 0 ? kRed : other, kBlack);
        square->setGeometry(10 + 34 * i, 34, 26, 26);
    }
    return radio;
}

} // namespace

TNastrForm::TNastrForm(SharedState& state, QWidget* parent)
    : ModalScreen(parent), state_(state), ownDialogs_(this), calibration_(state, ownDialogs_) {
    setObjectName(QStringLiteral("NastrForm"));
    presenter_ = new PresenterWidget(state_.display, this);
    presenter_->setObjectName(QStringLiteral("Presenter"));
    buildControls();
    FormCreate();
}

QFrame* TNastrForm::panel(const char* name, QSize size, unsigned colour) {
    QFrame* frame = makeRaisedPanel(presenter_, size);
    frame->setObjectName(QLatin1String(name));
    setColours(frame, colour, kBlack);
    return frame;
}

void TNastrForm::buildControls() {
    const CalibrationLayout design = layOutCalibration(QSize(798, 570));
    Panel4 = panel("Panel4", design.Panel4.size(), kBtnFace);
    PanelFon = panel("PanelFon", design.PanelFon.size(), kBtnFace);
    PanelAll = panel("PanelAll", design.PanelAll.size(), kDarkPanel);
    PanelBlue = panel("PanelBlue", design.PanelBlue.size(), kBtnFace);
    PanelRed = panel("PanelRed", design.PanelRed.size(), kBtnFace);

    for (int i = 0; i < kCalibrationFieldCount; ++i) {
        const CalibrationFieldDesign& field = calibrationFields()[static_cast<std::size_t>(i)];
        QFrame* owner = field.target == TargetOther ? PanelBlue
                        : field.target == TargetRed ? PanelRed
                        : field.target == TargetFon ? PanelFon
                                                    : PanelAll;
        const int place = static_cast<int>(field.channel);
        const bool column = field.target == TargetOther || field.target == TargetRed;
        const QPoint at = column ? QPoint(45, 60 + 36 * place) : QPoint(12 + 90 * place, 26);
        auto* edit = new QLineEdit(owner);
        edit->setObjectName(QLatin1String(field.editName));
        edit->setFont(screenFont());
        edit->setGeometry(QRect(at, QSize(52, 24)));
        setColours(edit, channelColour(field.channel), kWhite);
        auto* spin = new SpinButtonWidget(owner);
        spin->setObjectName(QLatin1String(field.spinName));
        spin->setGeometry(QRect(at + QPoint(53, 0), QSize(18, 24)));
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            calibration_.editField(i, text);
            syncFromCalibration();
        });
        connect(spin, &SpinButtonWidget::upClick, this, [this, i](Qt::KeyboardModifiers) {
            calibration_.stepFieldUp(i);
            syncFromCalibration();
        });
        connect(spin, &SpinButtonWidget::downClick, this, [this, i](Qt::KeyboardModifiers) {
            calibration_.stepFieldDown(i);
            syncFromCalibration();
        });
        edits_[static_cast<std::size_t>(i)] = edit;
        spins_[static_cast<std::size_t>(i)] = spin;
    }
}

void TNastrForm::FormCreate() {
    const LangFile texts = LangFile::load(state_.paths.ProgramDir);
    const auto text = [&texts](const char* key, const char* defaultText) {
        return texts.ReadText(kSection, QLatin1String(key), QString::fromUtf8(defaultText));
    };
    const QString title = text("Title", "Настройка цвета");
    setWindowTitle(title);
    calibration_.setCaption(title);

    label(QStringLiteral("Интенсивность каждого цвета можно изменять в интервале  от 0 до 255"),
          Panel4, kRed, 16, QPoint(10, 6))
        ->setObjectName(QStringLiteral("Label3"));
    RadioButtonRedBlue = glassesPanel(text("RadioButtonRedBlue", "Красно-синие очки"), Panel4,
                                      QRect(350, 34, 192, 64), kBlue);
    RadioButtonRedBlue->setObjectName(QStringLiteral("RadioButtonRedBlue"));
    RadioButtonRedGreen = glassesPanel(text("RadioButtonRedGreen", "Красно-зеленые очки"), Panel4,
                                       QRect(550, 34, 192, 64), kGreen);
    RadioButtonRedGreen->setObjectName(QStringLiteral("RadioButtonRedGreen"));
    connect(RadioButtonRedBlue, &QRadioButton::clicked, this, [this] {
        calibration_.chooseRedBlueGlasses();
        syncFromCalibration();
    });
    connect(RadioButtonRedGreen, &QRadioButton::clicked, this, [this] {
        calibration_.chooseRedGreenGlasses();
        syncFromCalibration();
    });

    label(text("Svet", "Настройка  совместного цвета"), PanelAll, kWhite, 13, QPoint(8, 4))
        ->setObjectName(QStringLiteral("Label14"));
    label(text("Dark", "Настройка  фона"), PanelFon, kBlack, 13, QPoint(8, 4))
        ->setObjectName(QStringLiteral("Label2"));
    label(text("Blue", "Настройка синего"), PanelBlue, kBlue, 13, QPoint(8, 6))
        ->setObjectName(QStringLiteral("Label5"));
    label(text("Blue2", "(зеленого) цвета"), PanelBlue, kBlue, 13, QPoint(8, 26))
        ->setObjectName(QStringLiteral("Label1"));
    label(text("Red1", "Настройка"), PanelRed, kRed, 13, QPoint(8, 6))
        ->setObjectName(QStringLiteral("Label12"));
    label(text("Red2", "красного цвета"), PanelRed, kRed, 13, QPoint(8, 26))
        ->setObjectName(QStringLiteral("Label6"));

    auto* store = button(text("HighContrast", "Записать"), presenter_, kBlue);
    auto* refresh = button(text("Cancel", "Отказ от изменений"), presenter_, kBlack);
    auto* exit = button(text("Exit", "Выход"), presenter_, kRed);
    store->setObjectName(QStringLiteral("BtnHigh"));
    refresh->setObjectName(QStringLiteral("Button1"));
    exit->setObjectName(QStringLiteral("Button3"));
    connect(store, &QPushButton::clicked, this, &TNastrForm::BtnHighClick);
    connect(refresh, &QPushButton::clicked, this, &TNastrForm::Button1Click);
    connect(exit, &QPushButton::clicked, this, &TNastrForm::BitBtn1Click);
    BtnHigh = store;
    Button1 = refresh;
    Button3 = exit;

    // The level items, in this order: High, Middle, Low; no item is chosen until Contrast
    // chooses one.
    RadioGroupContrast = new RadioGroupWidget(text("RadioGroupContrast", "Контраст"), 3, Panel4);
    RadioGroupContrast->setObjectName(QStringLiteral("RadioGroupContrast"));
    RadioGroupContrast->setFont(screenFont());
    RadioGroupContrast->setGeometry(8, 34, 330, 64);
    setColours(RadioGroupContrast, kBtnFace, kBlack);
    connect(RadioGroupContrast, &RadioGroupWidget::itemClicked, this, [this](int item) {
        calibration_.chooseContrast(item);
        syncFromCalibration();
    });

    RadioGroupContrast->setItems({text("RadioGroupContrast3", "Низкий"),
                                  text("RadioGroupContrast2", "Средний"),
                                  text("RadioGroupContrast1", "Большой")});
    calibration_.startUp();
    placeControls();
    syncFromCalibration();
}

QSize TNastrForm::screenSize() const {
    if (state_.display.DisplayDevice) {
        return state_.display.DisplayDevice->screenSize();
    }
    const QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return shownOn != nullptr ? shownOn->size() : size();
}

void TNastrForm::placeControls() {
    presenter_->setGeometry(rect());
    const QScreen* shownOn = presenter_->screen();
    const QPoint origin =
        presenter_->mapFromGlobal(shownOn ? shownOn->geometry().topLeft() : QPoint(0, 0));
    const CalibrationLayout l = layOutCalibration(screenSize());
    Panel4->move(l.Panel4.topLeft() + origin);
    PanelFon->move(l.PanelFon.topLeft() + origin);
    PanelAll->move(l.PanelAll.topLeft() + origin);
    PanelBlue->move(l.PanelBlue.topLeft() + origin);
    PanelRed->move(l.PanelRed.topLeft() + origin);
    BtnHigh->setGeometry(l.BtnHigh.translated(origin));
    Button1->setGeometry(l.Button1.translated(origin));
    Button3->setGeometry(l.Button3.translated(origin));
}

void TNastrForm::syncFromCalibration() {
    for (int i = 0; i < kCalibrationFieldCount; ++i) {
        QLineEdit* edit = edits_[static_cast<std::size_t>(i)];
        if (edit->text() != calibration_.fieldText(i)) {
            edit->setText(calibration_.fieldText(i));
        }
    }
    RadioGroupContrast->setItemIndex(calibration_.contrastItem());
    RadioButtonRedBlue->setChecked(calibration_.redBlueChecked());
    RadioButtonRedGreen->setChecked(!calibration_.redBlueChecked());
}

void TNastrForm::FormActivate() {
    activated_ = false;
    placeControls();
    calibration_.activate(screenSize());
    syncFromCalibration();
    presenter_->connectToDevice();
    activated_ = true;
}

void TNastrForm::BtnHighClick() {
    calibration_.storeColours();
}

void TNastrForm::Button1Click() {
    calibration_.discardChanges();
    syncFromCalibration();
}

void TNastrForm::BitBtn1Click() {
    close();
}

void TNastrForm::ApplicationEvents1Deactivate() {
    calibration_.focusLost();
    close();
}

void TNastrForm::applicationDeactivated() {
    ApplicationEvents1Deactivate();
}

void TNastrForm::done(int result) {
    activated_ = false;
    calibration_.close();
    ModalScreen::done(result);
}

void TNastrForm::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TNastrForm::resizeEvent(QResizeEvent* event) {
    ModalScreen::resizeEvent(event);
    presenter_->setGeometry(rect());
    // Sizing to the whole screen (or to the part a window manager leaves free) is the
    // maximising itself, not a resize.
    const QScreen* shownOn = screen();
    const bool maximised =
        shownOn != nullptr && (event->size() == shownOn->geometry().size() ||
                               event->size() == shownOn->availableGeometry().size());
    if (activated_ && isVisible() && !maximised) {
        close();
    }
}

} // namespace trelon
