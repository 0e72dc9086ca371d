#pragma once
// The results screen's filters: the panel of distances and palettes (PanelKosogl) and, beside
// it on the screen, the choice group of each procedure that offers one and the direction
// group. Which of them show follows the shown procedure's format.
#include "results/ResultsFormat.h"
#include "review/ResultsScreenLayout.h"

#include <QFrame>
#include <vector>

class QCheckBox;
class QLabel;

namespace trelon {

class RadioGroupWidget;

class ResultsFilterPanel : public QFrame {
    Q_OBJECT
public:
    // The groups outside the panel are made children of screen.
    explicit ResultsFilterPanel(QWidget* screen);

    // The screen opens: every distance, every palette, every direction, and the first item
    // of the choices that start over on opening.
    void resetOnOpen();
    // Shows the filters format offers.
    void showFor(const ResultsFormat& format);
    bool directionShown() const;
    // Writes the controls' choices into filters.
    void read(ResultsFilters& filters) const;
    void place(const ResultsScreenLayout& layout, const ResultsFormat& format);

signals:
    // A choice that changes the listed sessions.
    void filtersChanged();
    // A choice that changes only what the graph plots.
    void graphChoiceChanged();

private:
    RadioGroupWidget* choiceGroupOf(const ResultsFormat& format) const;

    QLabel* Label4;
    QCheckBox* CheckBoxAll;
    QList<QCheckBox*> distanceBoxes_; // CheckBox50, CheckBox1 … CheckBox5
    RadioGroupWidget* RadioGroupContrast;
    RadioGroupWidget* RadioGroupUgol;
    // RadioGroupScotoma, RadioGroupFuz, RadioGroupTrenKosogl, RadioGroupBifix,
    // RadioGroupTrenFuz: one per procedure with a choice.
    std::vector<std::pair<const ResultsFormat*, RadioGroupWidget*>> choices_;
};

} // namespace trelon
