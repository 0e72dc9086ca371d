#include "gui/SpinButtonWidget.h"

#include <QMouseEvent>
#include <QToolButton>

namespace trelon {

SpinButtonWidget::SpinButtonWidget(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->installEventFilter(this);
    }
    connect(up_, &QToolButton::clicked, this, [this] { emit upClick(pressModifiers_); });
    connect(down_, &QToolButton::clicked, this, [this] { emit downClick(pressModifiers_); });
}

bool SpinButtonWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        pressModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButtonWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace trelon
