#include "screens/ParamSpForm.h"

#include "config/LangText.h"
#include "gui/RadioGroupWidget.h"
#include "gui/ScreenStyle.h"
#include "gui/SpinButtonWidget.h"
#include "state/SharedState.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableWidget>

namespace trelon {

namespace {

using namespace colours;

constexpr QSize kPanel1Size(780, 570);
constexpr QSize kPanel6Size(417, 529);
constexpr int kStripWidth = 500; // the screen scale is measured on exactly this many pixels
constexpr int kStripHeight = 17;

// Where each group stands on Panel1.
constexpr QRect kGroupPlaces[kParamGroupCount] = {
    {10, 32, 200, 52},   // Шаг
    {220, 32, 170, 112}, // К центру
    {400, 32, 170, 112}, // От центра
    {10, 152, 375, 52},  // быстрые
    {395, 152, 375, 52}, // медленные
    {10, 240, 375, 52},  // быстро
    {395, 240, 375, 52}, // медленно
};

QLineEdit* edit(const char* name, QWidget* parent, QRect place) {
    auto* result = new QLineEdit(parent);
    result->setObjectName(QLatin1String(name));
    result->setFont(screenFont());
    result->setGeometry(place);
    return result;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent, QRect place,
                    unsigned colour = kBlack, int fontSize = 16) {
    QPushButton* result = makeButton(text, parent, screenFont(fontSize), colour);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(place);
    return result;
}

QFrame* framedPanel(const char* name, QWidget* parent, QSize size) {
    QFrame* frame = makeRaisedPanel(parent, size);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

} // namespace

TFormParamSp::TFormParamSp(SharedState& state, QWidget* parent)
    : ModalScreen(parent), state_(state), ownDialogs_(this), parameters_(state, ownDialogs_) {
    setObjectName(QStringLiteral("FormParamSp"));
    FormCreate();
}

void TFormParamSp::FormCreate() {
    const LangFile texts = LangFile::load(state_.paths.ProgramDir);
    const auto text = [&texts](const char* section, const char* key, const char* defaultText) {
        return texts.ReadText(QLatin1String(section), QLatin1String(key),
                              QString::fromUtf8(defaultText));
    };
    setWindowTitle(text("SpecialForm", "Title", "Дополнительные параметры"));
    buildPanel1();
    buildPanel6();

    RadioButtonRedBlue->setText(text("ColorForm", "RadioButtonRedBlue", "Красно-синие очки"));
    RadioButtonRedGreen->setText(text("ColorForm", "RadioButtonRedGreen", "Красно-зеленые очки"));
    connect(button(text("SpecialForm", "Exit", "Применить"), "BitBtn2", Panel1, {10, 515, 200, 42},
                   kBlue),
            &QPushButton::clicked, this, &TFormParamSp::BitBtn2Click);
    connect(button(text("ParamForm", "BitBtnSaveParam", "Записать параметры..."), "BitBtnSaveParam",
                   Panel1, {270, 515, 260, 42}),
            &QPushButton::clicked, this, &TFormParamSp::BitBtnSaveParamClick);
    connect(button(text("SpecialForm", "Cancel", "Отказ"), "BitBtn1", Panel1, {590, 515, 180, 42},
                   kRed),
            &QPushButton::clicked, this, &TFormParamSp::BitBtn1Click);

    parameters_.fillFromSettings();
    syncFromParameters();
}

void TFormParamSp::buildPanel1() {
    Panel1 = framedPanel("Panel1", this, kPanel1Size);
    makeLabel(QStringLiteral("Тренировка, колебания"), Panel1, {10, 8}, kBlue);
    makeLabel(QStringLiteral("Тренировка, фузионные резервы"), Panel1, {10, 214}, kBlue);
    for (const ParamGroupDesign& design : paramGroupDesigns()) {
        const auto index = static_cast<std::size_t>(design.id);
        auto* group =
            new RadioGroupWidget(QString::fromUtf8(design.caption), design.columns, Panel1);
        group->setObjectName(QLatin1String(design.name));
        group->setFont(screenFont());
        group->setGeometry(kGroupPlaces[index]);
        group->setItems(design.items);
        const ParamGroup id = design.id;
        connect(group, &RadioGroupWidget::itemClicked, this,
                [this, id](int item) { parameters_.controls().item(id) = item; });
        groups_[index] = group;
    }
    connect(button(QStringLiteral("Размер рисунков"), "Button1", Panel1, {590, 32, 180, 40}),
            &QPushButton::clicked, this, &TFormParamSp::Button1Click);

    // The movement values of the automatic uniform strabismus training.
    auto* panel5 = framedPanel("Panel5", Panel1, {375, 150});
    panel5->move(10, 300);
    auto* heading = new QLabel(QStringLiteral("Устранение косоглазия\nАвтоматический режим \n"
                                              "с равномерным перемещением"),
                               panel5);
    heading->setFont(screenFont());
    heading->setAlignment(Qt::AlignHCenter);
    heading->setGeometry(0, 4, 375, 54);
    makeLabel(QStringLiteral("Медленное перемещение"), panel5, {10, 74});
    makeLabel(QStringLiteral("Быстрое перемещение"), panel5, {10, 110});
    EditTimeMedlenno = edit("EditTimeMedlenno", panel5, {230, 70, 80, 24});
    EditTimeBystro = edit("EditTimeBystro", panel5, {230, 106, 80, 24});
    UpDown4 = new SpinButtonWidget(panel5);
    UpDown4->setObjectName(QStringLiteral("UpDown4"));
    UpDown4->setGeometry(311, 70, 18, 24);
    UpDown5 = new SpinButtonWidget(panel5);
    UpDown5->setObjectName(QStringLiteral("UpDown5"));
    UpDown5->setGeometry(311, 106, 18, 24);
    const auto upDown = [this](SpinButtonWidget* control, bool fast) {
        for (const bool lower : {false, true}) {
            const auto signal = lower ? &SpinButtonWidget::downClick : &SpinButtonWidget::upClick;
            connect(control, signal, this, [this, fast, lower](Qt::KeyboardModifiers mods) {
                syncToParameters();
                const bool shift = mods.testFlag(Qt::ShiftModifier);
                if (fast) {
                    parameters_.stepFastMoveTime(lower, shift);
                } else {
                    parameters_.stepSlowMoveTime(lower, shift);
                }
                syncFromParameters();
            });
        }
    };
    upDown(UpDown4, false);
    upDown(UpDown5, true);

    RadioButtonRedBlue = new QRadioButton(Panel1);
    RadioButtonRedBlue->setObjectName(QStringLiteral("RadioButtonRedBlue"));
    RadioButtonRedGreen = new QRadioButton(Panel1);
    RadioButtonRedGreen->setObjectName(QStringLiteral("RadioButtonRedGreen"));
    CheckBoxScorost = new QCheckBox(QStringLiteral("Ограничить скорость движения "), Panel1);
    CheckBoxScorost->setObjectName(QStringLiteral("CheckBoxScorost"));
    int top = 310;
    for (QWidget* choice : std::initializer_list<QWidget*>{RadioButtonRedBlue, RadioButtonRedGreen,
                                                           CheckBoxScorost}) {
        choice->setFont(screenFont());
        choice->setGeometry(400, top, 360, 24);
        top += 34;
    }

    // The screen scale: the operator measures the strip with a ruler.
    makeLabel(QStringLiteral("Напечатайте размер черной полоски в мм "), Panel1, {10, 462});
    PixelMM = edit("PixelMM", Panel1, {340, 458, 70, 24});
    auto* strip = new QFrame(Panel1);
    strip->setObjectName(QStringLiteral("Shape3"));
    strip->setGeometry(10, 490, kStripWidth, kStripHeight);
    strip->setAutoFillBackground(true);
    setWindowColour(strip, kBlack);

    // The palette shift stays hidden, as designed.
    makeLabel(QStringLiteral("Сдвиг палитры  ( 0 или 1 )"), Panel1, {400, 420})->hide();
    EditSdvigPalette = edit("EditSdvigPalette", Panel1, {620, 416, 50, 24});
    EditSdvigPalette->hide();
}

void TFormParamSp::buildPanel6() {
    Panel6 = framedPanel("Panel6", this, kPanel6Size);
    auto* heading = makeLabel(QStringLiteral("Размер картинок"), Panel6, {0, 8}, kBlue);
    heading->setObjectName(QStringLiteral("Label5"));
    heading->move((kPanel6Size.width() - heading->width()) / 2, 8);
    ListEditor = new QTableWidget(kPictureCount, 2, Panel6);
    ListEditor->setObjectName(QStringLiteral("ListEditor"));
    ListEditor->setFont(screenFont());
    ListEditor->setGeometry(46, 36, 324, 424);
    ListEditor->verticalHeader()->setDefaultSectionSize(22);
    ListEditor->setHorizontalHeaderLabels(
        {QStringLiteral("Рисунок"), QStringLiteral("Размер в 100%")});
    ListEditor->verticalHeader()->hide();
    ListEditor->setColumnWidth(0, 169);
    ListEditor->setColumnWidth(1, 131);
    for (int row = 0; row < kPictureCount; ++row) {
        const int picture = pictureRowOrder()[static_cast<std::size_t>(row)];
        auto* name = new QTableWidgetItem(
            QString::fromUtf8(kPictureKeys[static_cast<std::size_t>(picture)].displayName));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        ListEditor->setItem(row, 0, name);
        ListEditor->setItem(row, 1, new QTableWidgetItem);
    }
    connect(button(QStringLiteral("Применить"), "BitBtn3", Panel6, {8, 472, 118, 42}, kBlack, 13),
            &QPushButton::clicked, this, &TFormParamSp::BitBtn3Click);
    connect(button(QStringLiteral("Отмена"), "BitBtn4", Panel6, {130, 472, 90, 42}, kBlack, 13),
            &QPushButton::clicked, this, &TFormParamSp::BitBtn4Click);
    connect(button(QStringLiteral("Записать параметры..."), "BitBtn5", Panel6, {224, 472, 185, 42},
                   kBlack, 13),
            &QPushButton::clicked, this, &TFormParamSp::BitBtn5Click);
    Panel6->hide();
}

void TFormParamSp::syncToParameters() {
    ParamControls& c = parameters_.controls();
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        c.items[i] = groups_[i]->itemIndex();
    }
    c.EditTimeMedlenno = EditTimeMedlenno->text();
    c.EditTimeBystro = EditTimeBystro->text();
    c.PixelMM = PixelMM->text();
    c.EditSdvigPalette = EditSdvigPalette->text();
    c.redBlue = RadioButtonRedBlue->isChecked();
    c.CheckBoxScorost = CheckBoxScorost->isChecked();
    for (int row = 0; row < kPictureCount; ++row) {
        c.pictureRows[static_cast<std::size_t>(row)] = ListEditor->item(row, 1)->text();
    }
}

void TFormParamSp::syncFromParameters() {
    const ParamControls& c = parameters_.controls();
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        groups_[i]->setItemIndex(c.items[i]);
    }
    EditTimeMedlenno->setText(c.EditTimeMedlenno);
    EditTimeBystro->setText(c.EditTimeBystro);
    PixelMM->setText(c.PixelMM);
    EditSdvigPalette->setText(c.EditSdvigPalette);
    (c.redBlue ? RadioButtonRedBlue : RadioButtonRedGreen)->setChecked(true);
    CheckBoxScorost->setChecked(c.CheckBoxScorost);
    for (int row = 0; row < kPictureCount; ++row) {
        ListEditor->item(row, 1)->setText(c.pictureRows[static_cast<std::size_t>(row)]);
    }
    Panel1->setVisible(!c.picturesShown);
    Panel6->setVisible(c.picturesShown);
}

void TFormParamSp::centrePanels() {
    // Both panels centred in the client area (negative places allowed, as designed); the
    // pictures panel too, so it shows whole on every screen tall enough for it.
    for (QFrame* panel : {Panel1, Panel6}) {
        panel->move((width() - panel->width()) / 2, (height() - panel->height()) / 2);
    }
}

void TFormParamSp::FormActivate() {
    syncToParameters();
    parameters_.activate();
    centrePanels();
    syncFromParameters();
}

void TFormParamSp::BitBtn2Click() {
    syncToParameters();
    if (parameters_.apply()) {
        close();
    }
}

void TFormParamSp::BitBtnSaveParamClick() {
    syncToParameters();
    if (parameters_.saveParameters()) {
        close();
    }
}

void TFormParamSp::BitBtn1Click() {
    close();
}

void TFormParamSp::Button1Click() {
    syncToParameters();
    parameters_.showPictureSizes();
    syncFromParameters();
}

void TFormParamSp::BitBtn3Click() {
    syncToParameters();
    parameters_.applyPictureSizes();
    syncFromParameters();
}

void TFormParamSp::BitBtn4Click() {
    syncToParameters();
    parameters_.cancelPictureSizes();
    syncFromParameters();
}

void TFormParamSp::BitBtn5Click() {
    syncToParameters();
    parameters_.savePictureSizes();
    syncFromParameters();
}

void TFormParamSp::ApplicationEvents1Deactivate() {
    parameters_.focusLost();
    close();
}

void TFormParamSp::applicationDeactivated() {
    ApplicationEvents1Deactivate();
}

void TFormParamSp::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
    }
}

void TFormParamSp::resizeEvent(QResizeEvent* event) {
    ModalScreen::resizeEvent(event);
    centrePanels();
}

} // namespace trelon
