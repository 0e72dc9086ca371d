#include "screens/RezultForm.h"

#include "common/StrictNumbers.h"
#include "config/LangText.h"
#include "gui/Fonts.h"
#include "gui/RadioGroupWidget.h"
#include "state/SharedState.h"

#include <QApplication>
#include <QCheckBox>
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
constexpr int kButtonHeight = 34;
constexpr int kGroupWidth = 210;

QFont sansFont(int pixels, bool bold = false) {
    return windowsFont(QStringLiteral("MS Sans Serif"), pixels, bold);
}

QFrame* panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

QPushButton* button(QWidget* parent, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setFont(sansFont(13, true));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

RadioGroupWidget* group(QWidget* parent, const QString& caption, int columns,
                        const QStringList& items) {
    auto* g = new RadioGroupWidget(caption, columns, parent);
    g->setItems(items);
    g->setItemIndex(0);
    g->hide();
    return g;
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
    setFont(sansFont(13));

    LabelFamily = new QLabel(this);
    LabelFamily->setFont(sansFont(19, true));
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

    PanelKosogl = panel(this);
    Label4 = new QLabel(QStringLiteral("Расстояние"), PanelKosogl);
    CheckBoxAll = new QCheckBox(QStringLiteral("все"), PanelKosogl);
    connect(CheckBoxAll, &QCheckBox::clicked, this, &TFormRezult::FilterClick);
    for (const QString& caption :
         {QStringLiteral("50 см"), QStringLiteral("1 м"), QStringLiteral("2 м"),
          QStringLiteral("3 м"), QStringLiteral("4 м"), QStringLiteral("5 м")}) {
        auto* box = new QCheckBox(caption, PanelKosogl);
        connect(box, &QCheckBox::clicked, this, &TFormRezult::FilterClick);
        distanceBoxes_ << box;
    }
    RadioGroupContrast = group(PanelKosogl, QStringLiteral("Палитра"), 1,
                               {QStringLiteral("все"), QStringLiteral("Первая"),
                                QStringLiteral("Вторая"), QStringLiteral("Третья")});
    RadioGroupContrast->show();

    RadioGroupUgol = group(this, QStringLiteral("Направление, градусы"), 2,
                           {QStringLiteral("Все"), QStringLiteral("0"), QStringLiteral("45"),
                            QStringLiteral("90"), QStringLiteral("135"), QStringLiteral("180"),
                            QStringLiteral("225"), QStringLiteral("270"), QStringLiteral("315")});
    RadioGroupTrenKosogl =
        group(this, QStringLiteral("Показать"), 1,
              {QStringLiteral("Все"), QStringLiteral("Ручной"),
               QStringLiteral("Ручной по X  (на граф.)"), QStringLiteral("Ручной по Y  (на граф.)"),
               QStringLiteral("С  паузами"), QStringLiteral("Равномерный")});
    RadioGroupBifix = group(this, QStringLiteral("Показать"), 1,
                            {QStringLiteral("Все"), QStringLiteral("По X  (на графике)"),
                             QStringLiteral("По Y  (на графике)")});
    RadioGroupScotoma =
        group(this, QStringLiteral("Показать на графике"), 1,
              {QStringLiteral("горизонталь: 0-180"), QStringLiteral("вертикаль: 90-270"),
               QStringLiteral("диагональ: 45-225"), QStringLiteral("диагональ: 135-315")});
    RadioGroupFuz =
        group(this, QStringLiteral("Показать"), 1,
              {QStringLiteral("Резервы все"), QStringLiteral("Резервы положительные"),
               QStringLiteral("Резервы отрицательные"), QStringLiteral("Границы все"),
               QStringLiteral("Границы скрещенные"), QStringLiteral("Границы нескрещенные")});
    RadioGroupTrenFuz = group(this, QStringLiteral("Показать"), 1,
                              {QStringLiteral("Все"), QStringLiteral("Резервы положительные"),
                               QStringLiteral("Резервы отрицательные")});
    for (RadioGroupWidget* g : {RadioGroupContrast, RadioGroupUgol, RadioGroupTrenKosogl,
                                RadioGroupBifix, RadioGroupFuz, RadioGroupTrenFuz}) {
        connect(g, &RadioGroupWidget::itemClicked, this, [this] { FilterClick(); });
    }
    connect(RadioGroupScotoma, &RadioGroupWidget::itemClicked, this,
            &TFormRezult::RadioGroupScotomaClick);

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
    Label5->setFont(sansFont(15, true));
    ListEditor = new QTableWidget(kGraphSettingCount, 2, Panel2);
    ListEditor->setHorizontalHeaderLabels({QStringLiteral("Элемент"), QStringLiteral("Размер")});
    ListEditor->verticalHeader()->hide();
    const QStringList rows = {QStringLiteral("Линии осей Х и Y"), QStringLiteral("Линии графика"),
                              QStringLiteral("Линии маркеров"),
                              QStringLiteral("Шрифт для делений по оси Х"),
                              QStringLiteral("Шрифт для делений по оси Y")};
    for (int r = 0; r < kGraphSettingCount; ++r) {
        auto* caption = new QTableWidgetItem(rows[r]);
        caption->setFlags(Qt::ItemIsEnabled);
        ListEditor->setItem(r, 0, caption);
        ListEditor->setItem(r, 1, new QTableWidgetItem());
    }
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral("Толщина линий в относительных единицах (от 10 до 100)\n"
                                       "Размер шрифта в пунктах"));
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
    CheckBoxAll->setChecked(true);
    RadioGroupContrast->setItemIndex(0);
    RadioGroupBifix->setItemIndex(0);
    RadioGroupTrenFuz->setItemIndex(0);
    RadioGroupUgol->setItemIndex(0);
    const bool opened = review_.open();
    BitBtnGraph->setVisible(review_.procedure() != ProcedureKind::DiagCvetotest);
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

RadioGroupWidget* TFormRezult::procedureGroup() const {
    switch (review_.procedure()) {
    case ProcedureKind::TrenKosogl:
        return RadioGroupTrenKosogl;
    case ProcedureKind::TrenBifics:
        return RadioGroupBifix;
    case ProcedureKind::DiagScotoma:
        return RadioGroupScotoma;
    case ProcedureKind::DiagFuzia:
        return RadioGroupFuz;
    case ProcedureKind::TrenCvetotest:
        return RadioGroupTrenFuz;
    default:
        return nullptr;
    }
}

// Everything "showing a procedure" does after ResultsReview has filled the table.
void TFormRezult::showProcedure() {
    for (RadioGroupWidget* g : {RadioGroupTrenKosogl, RadioGroupBifix, RadioGroupScotoma,
                                RadioGroupFuz, RadioGroupTrenFuz, RadioGroupUgol}) {
        g->hide();
    }
    if (review_.procedure() == ProcedureKind::TrenKosogl) {
        RadioGroupTrenKosogl->setItemIndex(0);
    }
    if (RadioGroupWidget* g = procedureGroup()) {
        g->show();
    }
    RadioGroupUgol->setVisible(review_.procedure() == ProcedureKind::TrenScotoma);
    PanelKosogl->setVisible(review_.procedure() != ProcedureKind::DiagCvetotest);
    LabelFamily->setText(review_.patientLabel());
    setWindowTitle(review_.caption());
    layoutControls();
    showTable();
}

void TFormRezult::readFilters() {
    ResultsFilters& f = review_.filters();
    f.allDistances = CheckBoxAll->isChecked();
    for (int i = 0; i < distanceBoxes_.size(); ++i) {
        f.distances[static_cast<std::size_t>(i)] = distanceBoxes_[i]->isChecked();
    }
    f.contrast = std::max(0, RadioGroupContrast->itemIndex());
    f.direction = std::max(0, RadioGroupUgol->itemIndex());
    f.trenKosoglMode = std::max(0, RadioGroupTrenKosogl->itemIndex());
    f.bifix = std::max(0, RadioGroupBifix->itemIndex());
    f.scotomaAxis = std::max(0, RadioGroupScotoma->itemIndex());
    f.fuzType = std::max(0, RadioGroupFuz->itemIndex());
    f.trenFuzType = std::max(0, RadioGroupTrenFuz->itemIndex());
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
    if (review_.procedure() == ProcedureKind::DiagCvetotest) {
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
    const bool colourTest = review_.procedure() == ProcedureKind::DiagCvetotest;
    if (colourTest) {
        showGraph(false);
    }
    BitBtnGraph->setVisible(!colourTest);
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
    const int w = width();
    const int h = height();
    PanelBtn->setGeometry(w - 4 * 125 - 10 - 3, 3, 4 * 125 + 10, kButtonHeight + 8);
    const QList<QPushButton*> buttons = {BitBtnPrint, BitBtn3, BitBtnGraph, BitBtnExit};
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(5 + i * 125, 4, 120, kButtonHeight);
    }
    ComboBoxExp->setGeometry(PanelBtn->x() - 3 - 260, 34, 260, 24);
    RadioGroupDiagTren->setGeometry(ComboBoxExp->x(), 0, 260, 32);
    const QFontMetrics metrics(LabelFamily->font());
    LabelFamily->setGeometry(30, 28, metrics.horizontalAdvance(LabelFamily->text()) + 10,
                             metrics.height() + 4);
    int right = w - 5;
    int below = PanelBtn->geometry().bottom() + 6;
    RadioGroupWidget* filterGroup = procedureGroup();
    if (filterGroup != nullptr) {
        const int groupHeight = 28 + 24 * static_cast<int>(filterGroup->items().size());
        filterGroup->setGeometry(w - 5 - kGroupWidth, below, kGroupWidth, groupHeight);
        below = filterGroup->geometry().bottom() + 6;
    }
    if (PanelKosogl->isVisibleTo(this)) {
        PanelKosogl->setGeometry(w - 5 - kGroupWidth, below, kGroupWidth, 300);
        Label4->setGeometry(8, 4, 180, 20);
        CheckBoxAll->setGeometry(8, 26, 90, 20);
        for (int i = 0; i < distanceBoxes_.size(); ++i) {
            distanceBoxes_[i]->setGeometry(8 + (i % 2) * 95, 50 + (i / 2) * 24, 90, 20);
        }
        RadioGroupContrast->setGeometry(5, 128, kGroupWidth - 12, 160);
        right = PanelKosogl->x() - 5;
        if (RadioGroupUgol->isVisibleTo(this)) {
            RadioGroupUgol->setGeometry(PanelKosogl->x(), PanelKosogl->geometry().bottom() + 10,
                                        kGroupWidth, 150);
        }
    }
    const int tableTop = ComboBoxExp->height() + LabelFamily->height() + 15 + 28;
    const int tableBottom = h - kButtonHeight - 18;
    LabelDel->setGeometry(10, tableTop - 5 - 18, right - 10, 18);
    if (graphShown()) {
        const int half = (h - tableTop) / 2;
        PanelTabl->setGeometry(10, tableTop, right - 10, half);
        PanelPrint->setGeometry(w - 5 - kGroupWidth, PanelTabl->geometry().bottom() + 5,
                                kGroupWidth, 2 * kButtonHeight + 15);
        BitBtn2->setGeometry(5, 5, kGroupWidth - 10, kButtonHeight);
        BitBtn1->setGeometry(5, 10 + kButtonHeight, kGroupWidth - 10, kButtonHeight);
        PanelGraph->setGeometry(10, PanelTabl->geometry().bottom() + 5, PanelPrint->x() - 10 - 10,
                                h - 5 - PanelTabl->geometry().bottom() - 5);
        ImageGraph->setGeometry(1, 1, PanelGraph->width() - 2, PanelGraph->height() - 2);
    } else {
        PanelTabl->setGeometry(10, tableTop, right - 10, tableBottom - tableTop);
    }
    StringGridRezult->setGeometry(1, 1, PanelTabl->width() - 2, PanelTabl->height() - 2);
    Panel1->setGeometry(rect());
    Panel2->setGeometry((w - 560) / 2, (h - 420) / 2, 560, 420);
    Label5->setGeometry(20, 10, 520, 26);
    ListEditor->setGeometry(20, 44, 520, 190);
    ListEditor->setColumnWidth(0, 380);
    ListEditor->setColumnWidth(1, 130);
    Memo1->setGeometry(20, 244, 520, 64);
    BitBtn4->setGeometry(20, 320, 160, kButtonHeight);
    BitBtn5->setGeometry(200, 320, 160, kButtonHeight);
    BitBtn6->setGeometry(380, 320, 160, kButtonHeight);
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
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
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
    if (key != Qt::Key_Delete || modifiers != Qt::ControlModifier) {
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
    RadioGroupScotoma->setVisible(review_.procedure() == ProcedureKind::DiagScotoma);
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
    GraphSettingValues values{};
    for (int r = 0; r < kGraphSettingCount; ++r) {
        const QString typed = ListEditor->item(r, 1)->text();
        const std::optional<int> value = strToInt(typed.trimmed());
        // Widths in thousandths of a page unit and font sizes in points: beyond these a
        // printout is no longer readable.
        const bool width = r < 3;
        if (!value || *value < 1 || *value > (width ? 1000 : 72)) {
            dialogs_.information(QStringLiteral("«%1»: введите целое число от 1 до %2")
                                     .arg(ListEditor->item(r, 0)->text())
                                     .arg(width ? 1000 : 72));
            return std::nullopt;
        }
        values[static_cast<std::size_t>(r)] = *value;
    }
    return values;
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
