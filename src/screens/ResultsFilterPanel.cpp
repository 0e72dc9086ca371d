#include "screens/ResultsFilterPanel.h"

#include "gui/RadioGroupWidget.h"
#include "registry/ProcedureRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <algorithm>

namespace trelon {

namespace {

RadioGroupWidget* group(QWidget* parent, const QString& caption, int columns,
                        const QStringList& items) {
    auto* g = new RadioGroupWidget(caption, columns, parent);
    g->setItems(items);
    g->setItemIndex(0);
    g->hide();
    return g;
}

} // namespace

ResultsFilterPanel::ResultsFilterPanel(QWidget* screen) : QFrame(screen) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    Label4 = new QLabel(QStringLiteral("Расстояние"), this);
    CheckBoxAll = new QCheckBox(QStringLiteral("все"), this);
    connect(CheckBoxAll, &QCheckBox::clicked, this, &ResultsFilterPanel::filtersChanged);
    for (const QString& caption :
         {QStringLiteral("50 см"), QStringLiteral("1 м"), QStringLiteral("2 м"),
          QStringLiteral("3 м"), QStringLiteral("4 м"), QStringLiteral("5 м")}) {
        auto* box = new QCheckBox(caption, this);
        connect(box, &QCheckBox::clicked, this, &ResultsFilterPanel::filtersChanged);
        distanceBoxes_ << box;
    }
    RadioGroupContrast = group(this, QStringLiteral("Палитра"), 1,
                               {QStringLiteral("все"), QStringLiteral("Первая"),
                                QStringLiteral("Вторая"), QStringLiteral("Третья")});
    RadioGroupContrast->show();

    RadioGroupUgol = group(screen, QStringLiteral("Направление, градусы"), 2,
                           {QStringLiteral("Все"), QStringLiteral("0"), QStringLiteral("45"),
                            QStringLiteral("90"), QStringLiteral("135"), QStringLiteral("180"),
                            QStringLiteral("225"), QStringLiteral("270"), QStringLiteral("315")});
    for (RadioGroupWidget* g : {RadioGroupContrast, RadioGroupUgol}) {
        connect(g, &RadioGroupWidget::itemClicked, this, [this] { emit filtersChanged(); });
    }
    for (const ProcedureEntry& entry : procedureEntries()) {
        const std::optional<ResultsChoice>& choice = entry.results.choice;
        if (!choice) {
            continue;
        }
        RadioGroupWidget* g = group(screen, choice->caption, 1, choice->items);
        connect(g, &RadioGroupWidget::itemClicked, this, [this, redraws = choice->redrawsOnly] {
            if (redraws) {
                emit graphChoiceChanged();
            } else {
                emit filtersChanged();
            }
        });
        choices_.emplace_back(&entry.results, g);
    }
}

void ResultsFilterPanel::resetOnOpen() {
    CheckBoxAll->setChecked(true);
    RadioGroupContrast->setItemIndex(0);
    RadioGroupUgol->setItemIndex(0);
    for (const auto& [format, g] : choices_) {
        if (format->choice->resetsOnOpen) {
            g->setItemIndex(0);
        }
    }
}

void ResultsFilterPanel::showFor(const ResultsFormat& format) {
    for (const auto& choice : choices_) {
        choice.second->hide();
    }
    if (RadioGroupWidget* g = choiceGroupOf(format)) {
        if (format.choice->resetsOnShow) {
            g->setItemIndex(0);
        }
        g->show();
    }
    RadioGroupUgol->setVisible(format.offersDirectionFilter);
    setVisible(format.offersDistanceFilter);
}

bool ResultsFilterPanel::directionShown() const {
    return RadioGroupUgol->isVisibleTo(parentWidget());
}

void ResultsFilterPanel::read(ResultsFilters& f) const {
    f.allDistances = CheckBoxAll->isChecked();
    for (int i = 0; i < distanceBoxes_.size(); ++i) {
        f.distances[static_cast<std::size_t>(i)] = distanceBoxes_[i]->isChecked();
    }
    f.contrast = std::max(0, RadioGroupContrast->itemIndex());
    f.direction = std::max(0, RadioGroupUgol->itemIndex());
    for (const auto& [format, g] : choices_) {
        f.*format->choice->field = std::max(0, g->itemIndex());
    }
}

void ResultsFilterPanel::place(const ResultsScreenLayout& l, const ResultsFormat& format) {
    if (RadioGroupWidget* g = choiceGroupOf(format)) {
        g->setGeometry(l.choiceGroup);
    }
    if (isVisibleTo(parentWidget())) {
        setGeometry(l.PanelKosogl);
        Label4->setGeometry(l.Label4);
        CheckBoxAll->setGeometry(l.CheckBoxAll);
        for (int i = 0; i < distanceBoxes_.size(); ++i) {
            distanceBoxes_[i]->setGeometry(l.distanceBoxes[static_cast<std::size_t>(i)]);
        }
        RadioGroupContrast->setGeometry(l.RadioGroupContrast);
        if (directionShown()) {
            RadioGroupUgol->setGeometry(l.RadioGroupUgol);
        }
    }
}

RadioGroupWidget* ResultsFilterPanel::choiceGroupOf(const ResultsFormat& format) const {
    const auto found = std::find_if(choices_.begin(), choices_.end(),
                                    [&](const auto& choice) { return choice.first == &format; });
    return found != choices_.end() ? found->second : nullptr;
}

} // namespace trelon
