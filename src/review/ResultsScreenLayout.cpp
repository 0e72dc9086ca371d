#include "review/ResultsScreenLayout.h"

#include <algorithm>

namespace trelon {

namespace {

constexpr int kButton = kResultsButtonHeight;
constexpr int kGroup = kResultsGroupWidth;

} // namespace

ResultsScreenLayout layOutResultsScreen(const ResultsScreenShape& shape) {
    const int w = shape.client.width();
    const int h = shape.client.height();
    ResultsScreenLayout l;
    // The four buttons at the top right, the procedure choice left of them.
    l.PanelBtn = QRect(w - 4 * 125 - 10 - 3, 3, 4 * 125 + 10, kButton + 8);
    for (int i = 0; i < 4; ++i) {
        l.buttons[static_cast<std::size_t>(i)] = QRect(5 + i * 125, 4, 120, kButton);
    }
    l.ComboBoxExp = QRect(l.PanelBtn.x() - 3 - 260, 34, 260, 24);
    l.RadioGroupDiagTren = QRect(l.ComboBoxExp.x(), 0, 260, 32);
    // The patient's name stops short of the procedure choice (the screen elides a longer one).
    l.LabelFamily = QRect(30, 28, std::min(shape.familyLabel.width() + 10, l.ComboBoxExp.x() - 35),
                          shape.familyLabel.height() + 4);

    // The filters down the right edge: the procedure's choice, then distances and palettes.
    int right = w - 5;
    int below = l.PanelBtn.bottom() + 6;
    if (shape.choiceItems) {
        l.choiceGroup = QRect(w - 5 - kGroup, below, kGroup, 28 + 24 * *shape.choiceItems);
        below = l.choiceGroup.bottom() + 6;
    }
    if (shape.distanceFilter) {
        l.PanelKosogl = QRect(w - 5 - kGroup, below, kGroup, 300);
        l.Label4 = QRect(8, 4, 180, 20);
        l.CheckBoxAll = QRect(8, 26, 90, 20);
        for (int i = 0; i < 6; ++i) {
            l.distanceBoxes[static_cast<std::size_t>(i)] =
                QRect(8 + (i % 2) * 95, 50 + (i / 2) * 24, 90, 20);
        }
        l.RadioGroupContrast = QRect(5, 128, kGroup - 12, 160);
        right = l.PanelKosogl.x() - 5;
        if (shape.directionFilter) {
            l.RadioGroupUgol = QRect(l.PanelKosogl.x(), l.PanelKosogl.bottom() + 10, kGroup, 150);
        }
    }

    // The table left of the filters; with the graph, the table's upper half and the graph.
    const int tableTop = l.ComboBoxExp.height() + l.LabelFamily.height() + 15 + 28;
    const int tableBottom = h - kButton - 18;
    l.LabelDel = QRect(10, tableTop - 5 - 18, right - 10, 18);
    if (shape.graphShown) {
        const int half = (h - tableTop) / 2;
        l.PanelTabl = QRect(10, tableTop, right - 10, half);
        // The graph's print buttons go below the filters at the right edge; where the filters
        // leave no room for them there, side by side under the graph. They never cover a
        // filter.
        const int filtersBottom = std::max({l.PanelBtn.bottom(), l.choiceGroup.bottom(),
                                            l.PanelKosogl.bottom(), l.RadioGroupUgol.bottom()});
        const int graphTop = l.PanelTabl.bottom() + 5;
        const int printTop = std::max(graphTop, filtersBottom + 6);
        const int stackedHeight = 2 * kButton + 15;
        if (printTop + stackedHeight <= h - 5) {
            l.PanelPrint = QRect(w - 5 - kGroup, printTop, kGroup, stackedHeight);
            l.BitBtn2 = QRect(5, 5, kGroup - 10, kButton);
            l.BitBtn1 = QRect(5, 10 + kButton, kGroup - 10, kButton);
            l.PanelGraph =
                QRect(10, graphTop, l.PanelPrint.x() - 10 - 10, h - 5 - l.PanelTabl.bottom() - 5);
        } else {
            l.PanelPrint = QRect(10, h - 5 - (kButton + 10), 2 * kGroup, kButton + 10);
            l.BitBtn2 = QRect(5, 5, kGroup - 10, kButton);
            l.BitBtn1 = QRect(kGroup + 5, 5, kGroup - 10, kButton);
            l.PanelGraph = QRect(10, graphTop, right - 10, l.PanelPrint.top() - 5 - graphTop);
        }
        l.ImageGraph = QRect(1, 1, l.PanelGraph.width() - 2, l.PanelGraph.height() - 2);
    } else {
        l.PanelTabl = QRect(10, tableTop, right - 10, tableBottom - tableTop);
    }
    l.StringGridRezult = QRect(1, 1, l.PanelTabl.width() - 2, l.PanelTabl.height() - 2);

    // The settings panel centred over the window.
    l.Panel1 = QRect(QPoint(0, 0), shape.client);
    l.Panel2 = QRect((w - 560) / 2, (h - 420) / 2, 560, 420);
    l.Label5 = QRect(20, 10, 520, 26);
    l.ListEditor = QRect(20, 44, 520, 190);
    l.Memo1 = QRect(20, 244, 520, 64);
    l.BitBtn4 = QRect(20, 320, 160, kButton);
    l.BitBtn5 = QRect(200, 320, 160, kButton);
    l.BitBtn6 = QRect(380, 320, 160, kButton);
    return l;
}

} // namespace trelon
