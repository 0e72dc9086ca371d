#pragma once
// Dialogs shown with Qt message boxes and the Qt folder dialog.
#include "platform/Dialogs.h"

class QWidget;

namespace trelon {

class QtDialogs : public Dialogs {
public:
    // Boxes are parented to the active window (or parentWindow when there is none).
    explicit QtDialogs(QWidget* parentWindow = nullptr) : parent_(parentWindow) {}
    void setParentWindow(QWidget* parentWindow) { parent_ = parentWindow; }

    void information(const QString& text) override;
    void error(const QString& title, const QString& text) override;
    bool confirm(const QString& text) override;
    std::optional<QString> chooseFolder(const QString& startDir) override;

private:
    QWidget* owner() const;
    QWidget* parent_;
};

} // namespace trelon
