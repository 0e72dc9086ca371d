#include "gui/RadioGroupWidget.h"

#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

namespace trelon {

namespace {

constexpr int kCaptionLeft = 8;
constexpr int kButtonLeft = 8;

// A radio button that takes a press anywhere in its cell, not only on its mark and text.
class CellRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

RadioGroupWidget::RadioGroupWidget(const QString& caption, int columns, QWidget* parent)
    : QWidget(parent), caption_(caption), columns_(std::max(columns, 1)),
      group_(new QButtonGroup(this)) {
    setAutoFillBackground(true);
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroupWidget::itemClicked);
}

void RadioGroupWidget::setItems(const QStringList& items) {
    if (items == items_) {
        return;
    }
    items_ = items;
    qDeleteAll(buttons_);
    buttons_.clear();
    for (int i = 0; i < items_.size(); ++i) {
        auto* button = new CellRadioButton(items_[i], this);
        button->setObjectName(objectName() + QStringLiteral("_") + QString::number(i));
        button->setFocusPolicy(Qt::StrongFocus);
        group_->addButton(button, i);
        buttons_ << button;
        button->show();
    }
    arrange();
}

void RadioGroupWidget::setItemIndex(int index) {
    if (index == itemIndex()) {
        return;
    }
    if (index < 0 || index >= buttons_.size()) {
        // An exclusive group cannot uncheck its checked button directly.
        group_->setExclusive(false);
        if (QAbstractButton* checked = group_->checkedButton()) {
            checked->setChecked(false);
        }
        group_->setExclusive(true);
        return;
    }
    buttons_[index]->setChecked(true);
}

int RadioGroupWidget::itemIndex() const {
    return group_->checkedId();
}

QRadioButton* RadioGroupWidget::button(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void RadioGroupWidget::arrange() {
    if (buttons_.isEmpty()) {
        return;
    }
    const int textHeight = fontMetrics().height();
    const int perColumn = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
    const int buttonWidth = (width() - 10) / columns_;
    const int room = height() - textHeight - 5;
    const int buttonHeight = std::max(room / perColumn, 1);
    const int topMargin = textHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setGeometry((i / perColumn) * buttonWidth + kButtonLeft,
                                 (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                 buttonHeight);
    }
}

void RadioGroupWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void RadioGroupWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int frameTop = caption_.isEmpty() ? 0 : metrics.height() / 2;
    // An etched frame: a dark line with a light one inside it.
    const QRect frame(0, frameTop, width() - 2, height() - frameTop - 2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (!caption_.isEmpty()) {
        const QRect captionBox(kCaptionLeft, 0, metrics.horizontalAdvance(caption_),
                               metrics.height());
        painter.fillRect(captionBox, palette().color(QPalette::Window));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::WindowText));
        painter.drawText(captionBox, Qt::AlignLeft | Qt::AlignVCenter, caption_);
    }
}

} // namespace trelon
