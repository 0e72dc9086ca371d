#pragma once
// The mouse pointer as the stimulus window uses it. Hiding means showing no pointer shape;
// choosing the program's own pointer shows it again.
#include <QPoint>

namespace trelon {

class Cursor {
public:
    virtual ~Cursor() = default;
    // No pointer is drawn until show() or setProgramCursor().
    virtual void hide() = 0;
    // The pointer is drawn again, in the program's shape.
    virtual void show() = 0;
    // Makes the program's own pointer shape the current one; a hidden pointer shows again.
    virtual void setProgramCursor() = 0;
    // Pointer position in screen coordinates.
    virtual QPoint position() const = 0;
    virtual void setPosition(QPoint screenPosition) = 0;
    // Lets the pointer leave any rectangle it was confined to.
    virtual void releaseClip() = 0;
};

} // namespace trelon
