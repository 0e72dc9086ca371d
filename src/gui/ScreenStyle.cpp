#include "gui/ScreenStyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace trelon {

QFont screenFont(int pixelSize, bool bold) {
    return windowsFont(QStringLiteral("MS Sans Serif"), pixelSize, bold);
}

void setWindowColour(QWidget* widget, unsigned colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, windowsColour(colour));
    palette.setColor(QPalette::Button, windowsColour(colour));
    widget->setPalette(palette);
}

void setFieldColour(QWidget* widget, unsigned colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, windowsColour(colour));
    widget->setPalette(palette);
}

void setTextColour(QWidget* widget, unsigned colour, bool enabledOnly) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        if (enabledOnly) {
            palette.setColor(QPalette::Active, role, windowsColour(colour));
            palette.setColor(QPalette::Inactive, role, windowsColour(colour));
        } else {
            palette.setColor(role, windowsColour(colour));
        }
    }
    widget->setPalette(palette);
}

QLabel* makeLabel(const QString& text, QWidget* parent, QPoint at, unsigned colour,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    setTextColour(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(const QString& text, QWidget* parent, const QFont& font,
                        unsigned textColour) {
    auto* button = new QPushButton(text, parent);
    button->setFont(font);
    button->setAutoDefault(false);
    setTextColour(button, textColour);
    return button;
}

QFrame* makeRaisedPanel(QWidget* parent, QSize size) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    frame->resize(size);
    return frame;
}

} // namespace trelon
