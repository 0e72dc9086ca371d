#pragma once
// The device context of a surface: GDI-style drawing with colour words
// (red + 256 * green + 65536 * blue). Each colour word draws the nearest entry of the
// surface's palette (Surface::effectivePalette). Shapes and text are rendered by QPainter
// without antialiasing into a coverage mask and the entry is written where the mask is set,
// so a surface never receives a blended colour.
//
// A canvas is obtained with Surface::getCanvas and released by destroying it; while it
// exists the surface cannot be locked or blitted. Drawing outside the surface is clipped.
// Defaults as a fresh device context: black one-pixel pen, white solid brush, black text on
// an opaque white background.
#include "display/ColourWord.h"

#include <QFont>
#include <QImage>
#include <QPen>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>

class QPainter;
class QPainterPath;

namespace trelon {

class Surface;

enum class BackgroundMode { Opaque, Transparent };

class Canvas {
public:
    explicit Canvas(std::shared_ptr<Surface> surface);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Outline colour and width in pixels (0 and 1 both give one-pixel lines).
    void setPen(ColourWord colour, int width = 1);
    // No outline at all.
    void setNullPen();
    void setBrush(ColourWord colour);
    // Hollow shapes: no fill.
    void setNullBrush();

    // Font by family, height in pixels and weight. The usual font sizes in points convert
    // with pixelsFromPoints.
    void setFont(const QString& family, int pixelSize, bool bold = false);
    static int pixelsFromPoints(int points);
    void setTextColour(ColourWord colour);
    void setBackgroundColour(ColourWord colour);
    void setBackgroundMode(BackgroundMode mode);
    // Width and height of the cell text occupies when drawn.
    QSize textExtent(const QString& text) const;
    // Text with the top-left corner of its cell at (x, y); an opaque background fills the
    // cell with the background colour first.
    void textOut(int x, int y, const QString& text);

    // Lines with the pen from the current position, which then moves to the end point.
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void polyline(const QPolygon& points);
    // Closed shapes: the inside with the brush, the outline with the pen. Right and bottom
    // are exclusive, as in GDI.
    void polygon(const QPolygon& points);
    void ellipse(int left, int top, int right, int bottom);
    void rectangle(int left, int top, int right, int bottom);
    // Fills rect with one colour, ignoring pen and brush.
    void fillRect(const QRect& rect, ColourWord colour);

    // Stretched copy of sourceRect of source (a null rect means all of it) onto destRect,
    // nearest neighbour; each source colour becomes its nearest palette entry.
    void stretchBitmap(const QRect& destRect, const QImage& source,
                       const QRect& sourceRect = QRect());

    // The entry a colour word draws on this surface.
    std::uint8_t entryOf(ColourWord colour) const;

private:
    // Paints into a coverage mask over bounds (surface coordinates) and writes index where
    // the mask is set.
    template <typename PaintFn>
    void paintCoverage(const QRect& bounds, std::uint8_t index, PaintFn paint);
    void writeSolid(const QRect& rect, std::uint8_t index);
    // Fills the inside of path with the brush, then strokes it with the pen.
    void drawShape(const QPainterPath& path);
    void strokePath(const QPainterPath& path);
    QPen outlinePen() const;

    std::shared_ptr<Surface> surface_;
    ColourWord penColour_ = 0;
    int penWidth_ = 1;
    bool penNull_ = false;
    ColourWord brushColour_ = colourWord(255, 255, 255);
    bool brushNull_ = false;
    ColourWord textColour_ = 0;
    ColourWord backgroundColour_ = colourWord(255, 255, 255);
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    QFont font_;
    QPoint position_;
};

} // namespace trelon
