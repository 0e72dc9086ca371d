#pragma once
// A pair of small arrow buttons beside a field, one above the other: a press on the upper
// one is an up click, on the lower one a down click. The keyboard modifiers held at the
// press come with the click.
#include <QWidget>

class QToolButton;

namespace trelon {

class SpinButtonWidget : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtonWidget(QWidget* parent = nullptr);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void upClick(Qt::KeyboardModifiers modifiers);
    void downClick(Qt::KeyboardModifiers modifiers);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    Qt::KeyboardModifiers pressModifiers_;
};

} // namespace trelon
