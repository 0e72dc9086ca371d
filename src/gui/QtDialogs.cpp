#include "gui/QtDialogs.h"

#include "gui/ProgramIdentity.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace trelon {

QWidget* QtDialogs::owner() const {
    QWidget* active = QApplication::activeWindow();
    return active != nullptr ? active : parent_;
}

namespace {

// A message box whose buttons read in Russian, as every other text of the program does.
int showBox(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, owner);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setText(QStringLiteral("OK"));
    }
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) {
        yes->setText(QStringLiteral("Да"));
    }
    if (QAbstractButton* no = box.button(QMessageBox::No)) {
        no->setText(QStringLiteral("Нет"));
    }
    return box.exec();
}

// Qt's folder dialog refuses a typed folder that does not exist. This one accepts it, so the
// caller can offer to create it; an existing folder or a file behaves as before.
class NewFolderDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    QString chosen() const { return chosen_; }

    void accept() override {
        const QStringList files = selectedFiles();
        chosen_ = files.isEmpty() ? QString() : files.first();
        if (!chosen_.isEmpty() && !QFileInfo::exists(chosen_)) {
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }

private:
    QString chosen_;
};

} // namespace

void QtDialogs::information(const QString& text) {
    showBox(owner(), QMessageBox::Information, kProgramTitle, text, QMessageBox::Ok);
}

void QtDialogs::error(const QString& title, const QString& text) {
    showBox(owner(), QMessageBox::Critical, title, text, QMessageBox::Ok);
}

bool QtDialogs::confirm(const QString& text) {
    return showBox(owner(), QMessageBox::Question, kProgramTitle, text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseFolder(const QString& startDir) {
    // Qt's own dialog (not the desktop's) so a typed name of a folder that does not exist
    // yet can be accepted and created here after a prompt.
    NewFolderDialog dialog(owner(), QStringLiteral("Выберите папку для данных"), startDir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // A proposed folder that does not exist yet: the dialog opens in its parent with its name
    // typed, so accepting creates it.
    const QFileInfo start(QDir::cleanPath(startDir));
    if (!start.isDir() && start.dir().exists()) {
        dialog.setDirectory(start.dir());
        dialog.selectFile(start.fileName());
    }
    while (dialog.exec() == QDialog::Accepted) {
        const QString folder = dialog.chosen();
        if (folder.isEmpty()) {
            continue;
        }
        if (QFileInfo(folder).isDir()) {
            return folder;
        }
        const QString question = QStringLiteral("Папка %1 не существует. Создать?").arg(folder);
        if (confirm(question)) {
            if (QDir().mkpath(folder)) {
                return folder;
            }
            information(QStringLiteral("Не удалось создать папку %1.").arg(folder));
        }
    }
    return std::nullopt;
}

} // namespace trelon
