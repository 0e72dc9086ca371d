#include "gui/QtDialogs.h"

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

} // namespace

void QtDialogs::information(const QString& text) {
    showBox(owner(), QMessageBox::Information, QApplication::applicationName(), text,
            QMessageBox::Ok);
}

void QtDialogs::error(const QString& title, const QString& text) {
    showBox(owner(), QMessageBox::Critical, title, text, QMessageBox::Ok);
}

bool QtDialogs::confirm(const QString& text) {
    return showBox(owner(), QMessageBox::Question, QApplication::applicationName(), text,
                   QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseFolder(const QString& startDir) {
    // Qt's own dialog (not the desktop's) so a typed name of a folder that does not exist
    // yet can be accepted and created here after a prompt.
    QFileDialog dialog(owner(), QStringLiteral("Выберите папку для данных"), startDir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty()) {
            continue;
        }
        const QString folder = chosen.first();
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
