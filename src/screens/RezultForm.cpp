#include "screens/RezultForm.h"

#include "config/LangText.h"
#include "gui/Fonts.h"
#include "gui/RadioGroupWidget.h"
#include "gui/ScreenStyle.h"
#include "review/ResultsScreenLayout.h"
#include "screens/ResultsFilterPanel.h"
#include "state/SharedState.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

namespace trelon {

// ImageGraph: shows the drawn graph and reports the pointer's moves.
class GraphImage : public QWidget {
public:
    explicit GraphImage(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }
    QImage image;
    std::function<void(int)> pointerMoved;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, image);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (pointerMoved) {
            pointerMoved(event->position().toPoint().x());
        }
    }
};

namespace {

const QString kSection = QStringLiteral("RezultForm");

QFrame* panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

QPushButton* button(QWidget* parent, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setFont(screenFont(13));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TFormRezult::TFormRezult(SharedState& state, Dialogs& dialogs, QWidget* parent)
    : ModalScreen(parent), state_(state), dialogs_(dialogs), review_(state, dialogs) {
    createControls();
}

void TFormRezult::createControls() {
    const LangFile lang = LangFile::load(state_.paths.ProgramDir);
    auto text = [&](const char* key, const QString& fallback) {
        return lang.ReadText(kSection, QString::fromLatin1(key), fallback);
    };
    setWindowTitle(text("Title", QStringLiteral("Результаты")));
    setFont(screenFont(13, false));

    LabelFamily = new QLabel(this);
    LabelFamily->setFont(screenFont(19));
    LabelFamily->setAutoFillBackground(true);
    LabelFamily->setStyleSheet(QStringLiteral("color: white; background: #008080;"));

    RadioGroupDiagTren = new RadioGroupWidget(QString(), 2, this);
    RadioGroupDiagTren->setItems({QStringLiteral("Диагностика"), QStringLiteral("Тренировка")});
    connect(RadioGroupDiagTren, &RadioGroupWidget::itemClicked, this,
            &TFormRezult::RadioGroupDiagTrenClick);
    ComboBoxExp = new QComboBox(this);
    ComboBoxExp->setFocusPolicy(Qt::NoFocus);
    connect(ComboBoxExp, &QComboBox::activated, this, &TFormRezult::ComboBoxExpChange);

    PanelTabl = panel(this);
    StringGridRezult = new QTableWidget(PanelTabl);
    StringGridRezult->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridRezult->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGridRezult->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGridRezult->verticalHeader()->hide();
    StringGridRezult->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGridRezult->horizontalHeader()->setMinimumSectionSize(1);
    StringGridRezult->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGridRezult->installEventFilter(this);
    LabelDel = new QLabel(text("LabelDel", QStringLiteral("Для удаления данных из таблицы: "
                                                          "1)выделите строку; 2)нажмите клавиши "
                                                          "Ctrl + Delete")),
                          this);

    PanelBtn = panel(this);
    BitBtnPrint = button(PanelBtn, text("Print", QStringLiteral("Печать")));
    BitBtn3 = button(PanelBtn, text("Text", QStringLiteral("В файл")));
    BitBtnGraph = button(PanelBtn, text("BitBtnGraph", QStringLiteral("Показать график")));
    BitBtnExit = button(PanelBtn, text("Exit", QStringLiteral("Выход")));
    BitBtnExit->setStyleSheet(QStringLiteral("color: red;"));
    connect(BitBtnPrint, &QPushButton::clicked, this, &TFormRezult::BitBtnPrintClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormRezult::BitBtn3Click);
    connect(BitBtnGraph, &QPushButton::clicked, this, &TFormRezult::BitBtnGraphClick);
    connect(BitBtnExit, &QPushButton::clicked, this, &TFormRezult::BitBtnExitClick);

    PanelKosogl = new ResultsFilterPanel(this);
    connect(PanelKosogl, &ResultsFilterPanel::filtersChanged, this, &TFormRezult::FilterClick);
    connect(PanelKosogl, &ResultsFilterPanel::graphChoiceChanged, this,
            [this] { RadioGroupScotomaClick(0); });

    PanelGraph = panel(this);
    PanelGraph->hide();
    ImageGraph = new GraphImage(PanelGraph);
    ImageGraph->pointerMoved = [this](int x) { ImageGraphMouseMove(x); };
    LabelData = new QLabel(ImageGraph);
    LabelData->setStyleSheet(QStringLiteral("background: white;"));
    LabelData->hide();
    PanelPrint = panel(this);
    PanelPrint->hide();
    BitBtn2 = button(PanelPrint, QStringLiteral("Печать графика"));
    BitBtn1 = button(PanelPrint, QStringLiteral("Настройка"));
    connect(BitBtn2, &QPushButton::clicked, this, &TFormRezult::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormRezult::BitBtn1Click);

    Panel1 = new QFrame(this);
    Panel1->setAutoFillBackground(true);
    Panel1->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: #C0FFC0; }"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->hide();
    Panel2 = panel(Panel1);
    Label5 = new QLabel(QStringLiteral("Толщина линий и размер шрифта"), Panel2);
    Label5->setFont(screenFont(15));
    ListEditor = new QTableWidget(kGraphSettingCount, 2, Panel2);
    ListEditor->setHorizontalHeaderLabels({QStringLiteral("Элемент"), QStringLiteral("Размер")});
    ListEditor->verticalHeader()->hide();
    for (int r = 0; r < kGraphSettingCount; ++r) {
        auto* caption = new QTableWidgetItem(graphSettingCaptions()[r]);
        caption->setFlags(Qt::ItemIsEnabled);
        ListEditor->setItem(r, 0, caption);
        ListEditor->setItem(r, 1, new QTableWidgetItem());
    }
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setReadOnly(true);
    Memo1->setPlainText(graphSettingsNote());
    BitBtn4 = button(Panel2, QStringLiteral("Применить"));
    BitBtn5 = button(Panel2, QStringLiteral("Отмена"));
    BitBtn6 = button(Panel2, QStringLiteral("Записать параметры..."));
    connect(BitBtn4, &QPushButton::clicked, this, &TFormRezult::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TFormRezult::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFormRezult::BitBtn6Click);
}

bool TFormRezult::graphShown() const {
    return PanelGraph->isVisible();
}

const QImage& TFormRezult::graphImage() const {
    return ImageGraph->image;
}

void TFormRezult::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    FormShow();
}

void TFormRezult::FormShow() {
    PanelKosogl->resetOnOpen();
    const bool opened = review_.open();
    BitBtnGraph->setVisible(review_.format().graphed);
    const bool diagnostics = isDiagnostics(review_.procedure());
    RadioGroupDiagTren->setItemIndex(diagnostics ? 0 : 1);
    ComboBoxExp->clear();
    ComboBoxExp->addItems(ResultsProcedureNames(diagnostics));
    ComboBoxExp->setCurrentIndex(procedureNumberOf(review_.procedure()) - 1);
    if (!opened) {
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    showProcedure();
}

// Everything "showing a procedure" does after ResultsReview has filled the table.
void TFormRezult::showProcedure() {
    PanelKosogl->showFor(review_.format());
    LabelFamily->setText(review_.patientLabel());
    setWindowTitle(review_.caption());
    layoutControls();
    showTable();
}

void TFormRezult::readFilters() {
    PanelKosogl->read(review_.filters());
}

void TFormRezult::RadioGroupDiagTrenClick(int index) {
    const bool diagnostics = index == 0;
    ComboBoxExp->clear();
    ComboBoxExp->addItems(ResultsProcedureNames(diagnostics));
    ComboBoxExp->setCurrentIndex(procedureNumberOf(review_.procedure()) - 1);
    readFilters();
    if (!review_.chooseGroup(diagnostics)) {
        close();
        return;
    }
    if (!diagnostics) {
        BitBtnGraph->show();
    }
    showProcedure();
    if (!review_.format().graphed) {
        showGraph(false);
        BitBtnGraph->hide();
    } else if (graphShown()) {
        redrawGraph();
    } else {
        BitBtnGraph->setText(QStringLiteral("Показать график"));
    }
}

void TFormRezult::ComboBoxExpChange(int index) {
    readFilters();
    if (!review_.chooseProcedure(index + 1)) {
        close();
        return;
    }
    const bool graphed = review_.format().graphed;
    if (!graphed) {
        showGraph(false);
    }
    BitBtnGraph->setVisible(graphed);
    showProcedure();
    redrawGraphIfShown();
    StringGridRezult->setFocus();
}

void TFormRezult::FilterClick() {
    readFilters();
    review_.refill();
    layoutColumns();
    showTable();
    redrawGraphIfShown();
}

void TFormRezult::RadioGroupScotomaClick(int) {
    readFilters();
    redrawGraphIfShown();
}

void TFormRezult::layoutControls() {
    ResultsScreenShape shape;
    shape.client = size();
    const QFontMetrics metrics(LabelFamily->font());
    const QString family = review_.patientLabel();
    shape.familyLabel = {metrics.horizontalAdvance(family), metrics.height()};
    const ResultsFormat& format = review_.format();
    if (format.choice) {
        shape.choiceItems = static_cast<int>(format.choice->items.size());
    }
    shape.distanceFilter = PanelKosogl->isVisibleTo(this);
    shape.directionFilter = PanelKosogl->directionShown();
    shape.graphShown = graphShown();
    const ResultsScreenLayout l = layOutResultsScreen(shape);

    PanelBtn->setGeometry(l.PanelBtn);
    const QList<QPushButton*> buttons = {BitBtnPrint, BitBtn3, BitBtnGraph, BitBtnExit};
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(l.buttons[static_cast<std::size_t>(i)]);
    }
    ComboBoxExp->setGeometry(l.ComboBoxExp);
    RadioGroupDiagTren->setGeometry(l.RadioGroupDiagTren);
    LabelFamily->setGeometry(l.LabelFamily);
    const bool fits = l.LabelFamily.width() >= shape.familyLabel.width() + 10;
    LabelFamily->setText(
        fits ? family : metrics.elidedText(family, Qt::ElideRight, l.LabelFamily.width() - 10));
    LabelFamily->setToolTip(family);
    PanelKosogl->place(l, format);
    LabelDel->setGeometry(l.LabelDel);
    PanelTabl->setGeometry(l.PanelTabl);
    if (shape.graphShown) {
        PanelPrint->setGeometry(l.PanelPrint);
        BitBtn2->setGeometry(l.BitBtn2);
        BitBtn1->setGeometry(l.BitBtn1);
        PanelGraph->setGeometry(l.PanelGraph);
        ImageGraph->setGeometry(l.ImageGraph);
    }
    StringGridRezult->setGeometry(l.StringGridRezult);
    Panel1->setGeometry(l.Panel1);
    Panel2->setGeometry(l.Panel2);
    Label5->setGeometry(l.Label5);
    ListEditor->setGeometry(l.ListEditor);
    ListEditor->setColumnWidth(0, kSettingCaptionWidth);
    ListEditor->setColumnWidth(1, kSettingValueWidth);
    Memo1->setGeometry(l.Memo1);
    BitBtn4->setGeometry(l.BitBtn4);
    BitBtn5->setGeometry(l.BitBtn5);
    BitBtn6->setGeometry(l.BitBtn6);
    layoutColumns();
}

void TFormRezult::layoutColumns() {
    // The grid's inner width as its geometry stands now (the viewport follows it only later).
    const std::vector<int> widths = ResultsColumnWidths(
        review_.procedure(), StringGridRezult->width() - 2 * StringGridRezult->frameWidth());
    StringGridRezult->setColumnCount(static_cast<int>(widths.size()));
    for (std::size_t c = 0; c < widths.size(); ++c) {
        StringGridRezult->setColumnWidth(static_cast<int>(c), widths[c]);
    }
}

void TFormRezult::showTable() {
    const ResultsTable& table = review_.table();
    const GridMetrics metrics = ResultsGridMetrics(state_.settings.DisplayScale);
    QFont font = StringGridRezult->font();
    font.setPointSize(metrics.fontPoints);
    StringGridRezult->setFont(font);
    StringGridRezult->horizontalHeader()->setFont(font);
    StringGridRezult->verticalHeader()->setDefaultSectionSize(metrics.rowHeight);
    StringGridRezult->verticalHeader()->setMinimumSectionSize(1);
    StringGridRezult->horizontalHeader()->setFixedHeight(metrics.rowHeight + 4);
    StringGridRezult->clearContents();
    StringGridRezult->setColumnCount(table.columnCount());
    StringGridRezult->setHorizontalHeaderLabels(table.titles);
    // A table without sessions keeps one empty row under its titles.
    StringGridRezult->setRowCount(std::max(1, table.rowCount()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const QStringList& cells = table.rows[static_cast<std::size_t>(r)].cells;
        for (int c = 0; c < cells.size(); ++c) {
            StringGridRezult->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    }
    layoutColumns();
}

std::pair<int, int> TFormRezult::selectedRows() const {
    const QList<QTableWidgetSelectionRange> ranges = StringGridRezult->selectedRanges();
    if (ranges.isEmpty()) {
        const int current = StringGridRezult->currentRow() + 1;
        return {current, current};
    }
    return {ranges.front().topRow() + 1, ranges.front().bottomRow() + 1};
}

bool TFormRezult::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGridRezult && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
            StringGridRezultKeyDown(key->key(), key->modifiers());
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return ModalScreen::eventFilter(watched, event);
}

void TFormRezult::StringGridRezultKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad's Delete is the same key.
    if (key != Qt::Key_Delete || (modifiers & ~Qt::KeypadModifier) != Qt::ControlModifier) {
        return;
    }
    const auto [top, bottom] = selectedRows();
    if (top < 1) {
        return;
    }
    // The graph stays as drawn until its next redraw.
    if (review_.deleteRows(top, bottom)) {
        showTable();
    }
}

void TFormRezult::BitBtnGraphClick() {
    showGraph(!graphShown());
}

void TFormRezult::showGraph(bool shown) {
    BitBtnGraph->setText(shown ? QStringLiteral("Убрать график")
                               : QStringLiteral("Показать график"));
    PanelPrint->setVisible(shown);
    PanelGraph->setVisible(shown);
    layoutControls();
    if (shown) {
        redrawGraph();
    }
}

void TFormRezult::redrawGraph() {
    const auto [top, bottom] = selectedRows();
    const GraphData graph = review_.graph(top, bottom);
    if (graph.points.empty()) {
        // A table without sessions has nothing to plot.
        if (graphShown()) {
            showGraph(false);
        }
        return;
    }
    ImageGraph->image = QImage(ImageGraph->size(), QImage::Format_RGB32);
    QPainter painter(&ImageGraph->image);
    points_ = DrawResultsGraph(painter, ImageGraph->size(), graph, review_.axisTitles());
    LabelData->hide();
    ImageGraph->update();
}

void TFormRezult::redrawGraphIfShown() {
    if (graphShown()) {
        redrawGraph();
    }
}

void TFormRezult::ImageGraphMouseMove(int x) {
    LabelData->hide();
    const auto readOut = GraphReadOutAt(points_, review_.table().rowCount(), x);
    if (readOut) {
        LabelData->setText(readOut->text);
        LabelData->adjustSize();
        LabelData->move(readOut->left, readOut->top);
        LabelData->show();
    }
}

bool TFormRezult::beginPrinting(QPrinter& printer, QPainter& painter) {
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (!painter.begin(&printer)) {
        dialogs_.error(
            windowTitle(),
            QStringLiteral("Не удалось начать печать на принтере %1").arg(printer.printerName()));
        return false;
    }
    return true;
}

void TFormRezult::BitBtnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    if (!beginPrinting(printer, painter)) {
        return;
    }
    PrintResultsTable(
        painter, [&printer] { return printer.newPage(); }, review_.table(), review_.printHeading(),
        state_.settings);
    painter.end();
}

void TFormRezult::BitBtn2Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    if (!beginPrinting(printer, painter)) {
        return;
    }
    const auto [top, bottom] = selectedRows();
    PrintResultsGraph(painter, review_.graph(top, bottom), review_.printHeading(), state_.settings,
                      review_.axisTitles().x);
    painter.end();
}

void TFormRezult::BitBtn1Click() {
    const GraphSettingValues values = review_.graphSettings();
    for (int r = 0; r < kGraphSettingCount; ++r) {
        ListEditor->item(r, 1)->setText(QString::number(values[static_cast<std::size_t>(r)]));
    }
    Panel1->setGeometry(rect());
    Panel1->show();
    Panel1->raise();
}

std::optional<GraphSettingValues> TFormRezult::listEditorValues() {
    QStringList typed;
    for (int r = 0; r < kGraphSettingCount; ++r) {
        typed << ListEditor->item(r, 1)->text();
    }
    const GraphSettingsCheck check = checkGraphSettings(typed);
    if (!check.values) {
        dialogs_.information(check.message);
    }
    return check.values;
}

void TFormRezult::BitBtn4Click() {
    if (const auto values = listEditorValues()) {
        review_.applyGraphSettings(*values);
        Panel1->hide();
    }
}

void TFormRezult::BitBtn5Click() {
    Panel1->hide();
}

void TFormRezult::BitBtn6Click() {
    if (const auto values = listEditorValues()) {
        review_.writeGraphSettings(*values);
        Panel1->hide();
    }
}

void TFormRezult::BitBtn3Click() {
    review_.exportText();
}

void TFormRezult::BitBtnExitClick() {
    close();
}

void TFormRezult::ApplicationEvents1Deactivate() {
    state_.SessionAborted = true;
    close();
}

void TFormRezult::applicationDeactivated() {
    if (QApplication::activeModalWidget() != this) {
        return;
    }
    ApplicationEvents1Deactivate();
}

void TFormRezult::resizeEvent(QResizeEvent* event) {
    ModalScreen::resizeEvent(event);
    layoutControls();
    redrawGraphIfShown();
}

void TFormRezult::done(int result) {
    showGraph(false);
    Panel1->hide();
    ModalScreen::done(result);
}

} // namespace trelon
