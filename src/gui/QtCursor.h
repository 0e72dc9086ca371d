#pragma once
// The mouse pointer over one full-screen window.
#include "platform/Cursor.h"

#include <QCursor>
#include <QString>

class QScreen;
class QWidget;

namespace trelon {

// The program's own pointer, "ZEP_CUR.png" in the program folder (letter case ignored) with
// its hot spot at the top-left corner; the arrow when the picture is missing.
QCursor loadProgramCursor(const QString& programDir);

class QtCursor : public Cursor {
public:
    // The pointer shape is set on window, which covers the whole screen while it shows.
    QtCursor(QWidget& window, const QCursor& programCursor);

    void hide() override;
    void show() override;
    void setProgramCursor() override;
    QPoint position() const override;
    void setPosition(QPoint screenPosition) override;
    // Qt never confines the pointer to a rectangle, so there is nothing to release.
    void releaseClip() override {}

private:
    QScreen* screen() const;

    QWidget& window_;
    QCursor programCursor_;
};

} // namespace trelon
