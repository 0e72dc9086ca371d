#pragma once
// The results screen of the chosen patient: the table of one procedure's sessions with its
// filters and deletion, the graph, printing and the text export. What is listed, plotted and
// printed comes from ResultsReview and the results layer; this class shows it.
#include "gui/ModalScreen.h"
#include "review/ResultsReview.h"

#include <QImage>

class QPainter;
class QPrinter;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace trelon {

struct SharedState;
class Dialogs;
class RadioGroupWidget;
class GraphImage;
class ResultsFilterPanel;

class TFormRezult : public ModalScreen {
    Q_OBJECT
public:
    TFormRezult(SharedState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    ResultsReview& review() { return review_; }
    QTableWidget* grid() const { return StringGridRezult; }
    bool graphShown() const;
    const QImage& graphImage() const;

    // Handlers (public so tests can drive them the way the toolkit would).
    void FormShow();
    void RadioGroupDiagTrenClick(int index);
    void ComboBoxExpChange(int index);
    void FilterClick();
    void RadioGroupScotomaClick(int index);
    void StringGridRezultKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void BitBtnGraphClick();
    void BitBtnPrintClick();
    void BitBtn2Click();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtnExitClick();
    void ImageGraphMouseMove(int x);
    void ApplicationEvents1Deactivate();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void createControls();
    void showProcedure();
    void readFilters();
    void layoutControls();
    void layoutColumns();
    void showTable();
    void showGraph(bool shown);
    void redrawGraph();
    void redrawGraphIfShown();
    std::pair<int, int> selectedRows() const;
    // Asks for the printer with Qt's print dialog and begins painting on it; false when the
    // operator cancelled or the printer could not be started (said to the operator).
    bool beginPrinting(QPrinter& printer, QPainter& painter);
    std::optional<GraphSettingValues> listEditorValues();
    void applicationDeactivated() override;

    SharedState& state_;
    Dialogs& dialogs_;
    ResultsReview review_;
    GraphPointTable points_;

    QLabel* LabelFamily;
    RadioGroupWidget* RadioGroupDiagTren;
    QComboBox* ComboBoxExp;
    QFrame* PanelTabl;
    QTableWidget* StringGridRezult;
    QLabel* LabelDel;
    QFrame* PanelBtn;
    QPushButton* BitBtnPrint;
    QPushButton* BitBtn3;
    QPushButton* BitBtnGraph;
    QPushButton* BitBtnExit;
    ResultsFilterPanel* PanelKosogl; // with the procedures' choice groups beside it
    QFrame* PanelGraph;
    GraphImage* ImageGraph;
    QLabel* LabelData;
    QFrame* PanelPrint;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
    QFrame* Panel1;
    QFrame* Panel2;
    QLabel* Label5;
    QTableWidget* ListEditor;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
};

} // namespace trelon
