// Targets and travelling figures of the scotoma training, and the angle-scale arrow.
#include "Shapes.h"

namespace trelon::assets {

void drawCheese(QPainter& p, const Ink& ink) {
    fillPolygon(p, QPolygonF({{0, 34}, {72, 4}, {100, 22}, {100, 70}, {0, 70}}), ink.body);
    line(p, {1, 34}, {99, 34}, 2, ink.detail); // edge between top and side
    line(p, {72, 4}, {99, 21}, 1, ink.detail);
    const QRectF holes[] = {QRectF(12, 44, 14, 12), QRectF(40, 52, 18, 14), QRectF(70, 42, 12, 10),
                            QRectF(84, 58, 10, 9),  QRectF(44, 18, 16, 8),  QRectF(22, 60, 8, 7)};
    for (const QRectF& h : holes)
        oval(p, h, ink.detail);
}

void drawDaisy(QPainter& p, const Ink& ink) {
    const QPointF centre(50, 50);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 45.0);
        oval(p, QRectF(-10, -49, 20, 38), ink.body);
        p.restore();
    }
    disk(p, centre, 17, ink.detail);
    disk(p, centre, 13, ink.body);
    for (const QPointF c : {QPointF(45, 46), QPointF(55, 47), QPointF(50, 56)})
        disk(p, c, 2.5, ink.detail);
}

void drawRings(QPainter& p, const Ink& ink) {
    for (int r : {49, 36, 23})
        ring(p, {50, 50}, r, r - 6, ink.body);
    disk(p, {50, 50}, 10, ink.body);
}

void drawPlaneTop(QPainter& p, const Ink& ink) {
    // Seen from above, nose up; the caller rotates the painter about the centre.
    QPainterPath hull;
    hull.addRoundedRect(QRectF(27, 2, 10, 58), 5, 5);
    fillPath(p, hull, ink.body);
    fillPolygon(p, QPolygonF({{32, 18}, {62, 34}, {62, 40}, {32, 34}, {2, 40}, {2, 34}}), ink.body);
    fillPolygon(p, QPolygonF({{32, 46}, {46, 56}, {46, 60}, {18, 60}, {18, 56}}), ink.body);
    oval(p, QRectF(29, 8, 6, 8), ink.detail); // cockpit
}

void drawArrowUp(QPainter& p, const Ink& ink) {
    fillPolygon(p, QPolygonF({{10.5, 0}, {21, 18}, {0, 18}}), ink.body);
    p.fillRect(QRectF(7, 18, 7, 30), ink.body);
}

void drawScale(QPainter& p, const Ink& ink) {
    p.fillRect(QRectF(0, 10, 160, 22), ink.body);
    for (int i = 0; i < 7; ++i) {
        const double height = i == 3 ? 40 : 20;
        p.fillRect(QRectF(8 + i * 24, 32, 8, height), ink.body);
    }
    p.save();
    p.translate(65, 74);
    p.scale(1.8, 1.8);
    drawArrowUp(p, Ink{ink.part, ink.part, ink.part, ink.detail});
    p.restore();
}

} // namespace trelon::assets
