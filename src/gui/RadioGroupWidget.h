#pragma once
// A captioned group of radio buttons, one checked at a time, laid out the way the screens
// were designed: items fill the columns top to bottom, one column after another, evenly
// spread over the group's height below the caption.
#include <QString>
#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QRadioButton;

namespace trelon {

class RadioGroupWidget : public QWidget {
    Q_OBJECT
public:
    RadioGroupWidget(const QString& caption, int columns, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    // Replaces the items (only when they differ); no item is checked afterwards.
    void setItems(const QStringList& items);
    QStringList items() const { return items_; }
    // Checks item index (-1: none) without reporting a click.
    void setItemIndex(int index);
    int itemIndex() const;
    QRadioButton* button(int index) const;

signals:
    // The operator clicked item index.
    void itemClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();

    QString caption_;
    int columns_;
    QStringList items_;
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};

} // namespace trelon
