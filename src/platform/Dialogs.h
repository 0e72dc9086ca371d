#pragma once
// Message, confirmation and folder dialogs. The screens use the Qt implementation; tests
// script the answers and read the texts shown.
#include <QString>
#include <optional>

namespace trelon {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Information box with an OK button.
    virtual void information(const QString& text) = 0;
    // Error box with the error icon, titled with the screen's caption.
    virtual void error(const QString& title, const QString& text) = 0;
    // Yes/No confirmation; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // Folder choice starting at startDir (a folder typed there may be created after a
    // prompt); nothing when the operator cancels.
    virtual std::optional<QString> chooseFolder(const QString& startDir) = 0;
};

} // namespace trelon
