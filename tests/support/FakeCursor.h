#pragma once
// Records what the core does with the mouse pointer.
#include "platform/Cursor.h"

#include <QString>
#include <QStringList>

namespace trelon::test {

class FakeCursor : public Cursor {
public:
    QStringList calls; // "hide", "show", "program", "move x,y", "release"
    bool visible = true;
    QPoint at;

    void hide() override {
        calls << QStringLiteral("hide");
        visible = false;
    }
    void show() override {
        calls << QStringLiteral("show");
        visible = true;
    }
    void setProgramCursor() override {
        calls << QStringLiteral("program");
        visible = true;
    }
    QPoint position() const override { return at; }
    void setPosition(QPoint screenPosition) override {
        calls << QStringLiteral("move %1,%2").arg(screenPosition.x()).arg(screenPosition.y());
        at = screenPosition;
    }
    void releaseClip() override { calls << QStringLiteral("release"); }
};

} // namespace trelon::test
