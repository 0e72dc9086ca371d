#include "gui/QtCursor.h"

#include "common/FileSystem.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace trelon {

QCursor loadProgramCursor(const QString& programDir) {
    const QPixmap picture(resolvePath(programDir, QStringLiteral("ZEP_CUR.png")));
    return picture.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(picture, 0, 0);
}

QtCursor::QtCursor(QWidget& window, const QCursor& programCursor)
    : window_(window), programCursor_(programCursor) {}

void QtCursor::hide() {
    window_.setCursor(Qt::BlankCursor);
}

void QtCursor::show() {
    window_.setCursor(programCursor_);
}

void QtCursor::setProgramCursor() {
    window_.setCursor(programCursor_);
}

QScreen* QtCursor::screen() const {
    return window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
}

// Screen coordinates count from the top-left corner of the window's screen.
QPoint QtCursor::position() const {
    const QScreen* shownOn = screen();
    const QPoint origin = shownOn != nullptr ? shownOn->geometry().topLeft() : QPoint();
    return QCursor::pos() - origin;
}

void QtCursor::setPosition(QPoint screenPosition) {
    QScreen* shownOn = screen();
    const QPoint origin = shownOn != nullptr ? shownOn->geometry().topLeft() : QPoint();
    QCursor::setPos(origin + screenPosition);
}

} // namespace trelon
