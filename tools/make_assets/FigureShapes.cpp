// Single figures: the fusion pictures and the silhouettes seen by both eyes.
#include "Shapes.h"

#include <cmath>

namespace trelon::assets {

void drawCat(QPainter& p, const Ink& ink) {
    // Sitting cat seen from the front, its tail curled round to the right.
    line(p, {130, 176}, {166, 150}, 12, ink.body);
    line(p, {166, 150}, {168, 112}, 12, ink.body);
    oval(p, QRectF(36, 84, 108, 102), ink.body);                        // body
    fillPolygon(p, QPolygonF({{40, 52}, {44, 6}, {78, 34}}), ink.body); // ears
    fillPolygon(p, QPolygonF({{140, 52}, {136, 6}, {102, 34}}), ink.body);
    oval(p, QRectF(34, 20, 112, 86), ink.body);                            // head
    fillPolygon(p, QPolygonF({{50, 34}, {50, 18}, {64, 32}}), ink.detail); // inner ears
    fillPolygon(p, QPolygonF({{130, 34}, {130, 18}, {116, 32}}), ink.detail);
    oval(p, QRectF(58, 46, 18, 22), ink.detail); // eyes with a glint
    oval(p, QRectF(104, 46, 18, 22), ink.detail);
    disk(p, {70, 52}, 3, ink.body);
    disk(p, {116, 52}, 3, ink.body);
    fillPolygon(p, QPolygonF({{82, 72}, {98, 72}, {90, 81}}), ink.detail); // nose
    line(p, {90, 81}, {90, 88}, 2, ink.detail);
    line(p, {90, 88}, {82, 92}, 2, ink.detail);
    line(p, {90, 88}, {98, 92}, 2, ink.detail);
    for (int i = -1; i <= 1; ++i) { // whiskers
        line(p, {72, 80.0 + 4 * i}, {40, 76.0 + 10 * i}, 2, ink.detail);
        line(p, {108, 80.0 + 4 * i}, {140, 76.0 + 10 * i}, 2, ink.detail);
    }
    line(p, {72, 150}, {72, 186}, 2, ink.detail); // front paws
    line(p, {108, 150}, {108, 186}, 2, ink.detail);
    // Control marks: a bow under the chin and a ball of wool at the paw.
    fillPolygon(p, QPolygonF({{90, 110}, {66, 98}, {66, 122}}), ink.part);
    fillPolygon(p, QPolygonF({{90, 110}, {114, 98}, {114, 122}}), ink.part);
    disk(p, {90, 110}, 7, ink.part);
    disk(p, {22, 172}, 16, ink.accent);
    line(p, {12, 166}, {32, 178}, 2, ink.detail);
}

void drawButterfly(QPainter& p, const Ink& ink) {
    const QRectF wings[] = {QRectF(8, 8, 92, 84), QRectF(100, 8, 92, 84), QRectF(26, 80, 72, 70),
                            QRectF(102, 80, 72, 70)};
    for (const QRectF& w : wings)
        oval(p, w, ink.body);
    // Pattern of dark spots; the upper two spots are the control marks.
    for (const QPointF c : {QPointF(34, 70), QPointF(166, 70), QPointF(60, 122), QPointF(140, 122)})
        disk(p, c, 8, ink.detail);
    disk(p, {54, 42}, 17, ink.detail);
    disk(p, {146, 42}, 17, ink.detail);
    disk(p, {54, 42}, 13, ink.part);
    disk(p, {146, 42}, 13, ink.accent);
    p.fillRect(QRectF(92, 14, 16, 140), ink.detail); // gap around the body
    oval(p, QRectF(95, 30, 10, 120), ink.body);
    disk(p, {100, 26}, 8, ink.body);
    line(p, {96, 20}, {80, 2}, 3, ink.body); // feelers
    line(p, {104, 20}, {120, 2}, 3, ink.body);
}

void drawPear(QPainter& p, const Ink& ink) {
    QPainterPath pear;
    pear.moveTo(65, 26);
    pear.cubicTo(88, 26, 90, 58, 98, 76);
    pear.cubicTo(130, 110, 118, 166, 65, 166);
    pear.cubicTo(12, 166, 0, 110, 32, 76);
    pear.cubicTo(40, 58, 42, 26, 65, 26);
    fillPath(p, pear, ink.body);
    line(p, {65, 28}, {70, 6}, 5, ink.body); // stalk
    QPainterPath leaf;
    leaf.moveTo(72, 14);
    leaf.cubicTo(86, 0, 106, 2, 114, 8);
    leaf.cubicTo(102, 24, 84, 24, 72, 14);
    fillPath(p, leaf, ink.accent);
    oval(p, QRectF(36, 100, 10, 26), ink.detail); // shine
}

void drawHare(QPainter& p, const Ink& ink) {
    // Sitting hare seen from the front, long ears up.
    oval(p, QRectF(48, 4, 22, 80), ink.body);
    oval(p, QRectF(80, 4, 22, 80), ink.body);
    oval(p, QRectF(54, 16, 10, 56), ink.detail);
    oval(p, QRectF(86, 16, 10, 56), ink.detail);
    oval(p, QRectF(30, 104, 90, 80), ink.body); // body
    oval(p, QRectF(22, 168, 44, 20), ink.body); // feet
    oval(p, QRectF(84, 168, 44, 20), ink.body);
    oval(p, QRectF(36, 58, 78, 64), ink.body); // head
    disk(p, {60, 84}, 6, ink.detail);
    disk(p, {90, 84}, 6, ink.detail);
    fillPolygon(p, QPolygonF({{68, 96}, {82, 96}, {75, 104}}), ink.detail);
    line(p, {75, 104}, {75, 110}, 2, ink.detail);
    line(p, {64, 100}, {38, 94}, 2, ink.detail);
    line(p, {86, 100}, {112, 94}, 2, ink.detail);
    oval(p, QRectF(42, 116, 24, 34), ink.detail); // front paws, outlined
    oval(p, QRectF(84, 116, 24, 34), ink.detail);
    oval(p, QRectF(44, 118, 20, 30), ink.body);
    oval(p, QRectF(86, 118, 20, 30), ink.body);
}

void drawGopher(QPainter& p, const Ink& ink) {
    // A ground squirrel standing up on its hind legs, seen from the side, facing left.
    line(p, {80, 150}, {102, 174}, 12, ink.body); // tail
    oval(p, QRectF(26, 62, 62, 110), ink.body);   // body
    oval(p, QRectF(16, 160, 56, 18), ink.body);   // hind feet
    oval(p, QRectF(22, 12, 60, 56), ink.body);    // head
    oval(p, QRectF(4, 30, 40, 28), ink.body);     // snout
    disk(p, {66, 18}, 9, ink.body);               // ear
    disk(p, {66, 18}, 4, ink.detail);
    disk(p, {40, 30}, 5, ink.detail);
    disk(p, {7, 40}, 3.5, ink.detail);          // nose
    line(p, {10, 52}, {26, 52}, 2, ink.detail); // mouth
    p.fillRect(QRectF(12, 53, 7, 8), ink.body); // front teeth
    line(p, {15.5, 53}, {15.5, 60}, 1, ink.detail);
    line(p, {34, 86}, {14, 96}, 9, ink.body); // paws held up at the chest
    line(p, {40, 100}, {18, 110}, 9, ink.body);
    line(p, {40, 94}, {40, 104}, 2, ink.detail);
    p.setPen(QPen(ink.detail, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(36, 110, 40, 56), 120 * 16, 110 * 16); // belly
}

void drawLeaf(QPainter& p, const Ink& ink) {
    QPainterPath leaf;
    leaf.moveTo(75, 4);
    leaf.cubicTo(140, 40, 150, 110, 75, 140);
    leaf.cubicTo(0, 110, 10, 40, 75, 4);
    fillPath(p, leaf, ink.body);
    line(p, {75, 140}, {75, 168}, 6, ink.body);  // stalk
    line(p, {75, 20}, {75, 136}, 3, ink.detail); // veins
    for (int i = 0; i < 4; ++i) {
        const double y = 44 + i * 22;
        line(p, {75, y + 16}, {46 - i * 2.0, y}, 2, ink.detail);
        line(p, {75, y + 16}, {104 + i * 2.0, y}, 2, ink.detail);
    }
}

void drawSnowman(QPainter& p, const Ink& ink) {
    line(p, {36, 98}, {6, 72}, 4, ink.body); // arms
    line(p, {94, 98}, {124, 72}, 4, ink.body);
    disk(p, {65, 140}, 38, ink.body);
    disk(p, {65, 86}, 28, ink.body);
    disk(p, {65, 44}, 22, ink.body);
    for (int y : {76, 92, 126, 148}) // buttons
        disk(p, {65, static_cast<double>(y)}, 4, ink.detail);
    disk(p, {57, 40}, 3.5, ink.detail);
    disk(p, {73, 40}, 3.5, ink.detail);
    fillPolygon(p, QPolygonF({{65, 46}, {65, 53}, {92, 52}}), ink.accent); // carrot nose
    p.fillRect(QRectF(44, 20, 42, 5), ink.accent);                         // hat brim
    p.fillRect(QRectF(50, 2, 30, 20), ink.accent);
}

void drawMouse(QPainter& p, const Ink& ink) {
    // Side view facing left: pointed snout, round ear, long curved tail.
    QPainterPath tail;
    tail.moveTo(150, 80);
    tail.cubicTo(176, 70, 178, 40, 160, 30);
    p.setPen(QPen(ink.accent, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    QPainterPath body;
    body.moveTo(6, 70);
    body.cubicTo(30, 50, 50, 30, 96, 30);
    body.cubicTo(140, 30, 160, 60, 156, 92);
    body.lineTo(40, 92);
    body.cubicTo(24, 88, 14, 80, 6, 70);
    fillPath(p, body, ink.body);
    oval(p, QRectF(40, 84, 22, 14), ink.body); // feet
    oval(p, QRectF(110, 84, 26, 14), ink.body);
    disk(p, {60, 34}, 15, ink.body); // ear
    disk(p, {60, 34}, 9, ink.accent);
    disk(p, {38, 56}, 4.5, ink.detail);
    disk(p, {7, 70}, 4, ink.detail); // nose tip
    line(p, {16, 74}, {2, 84}, 1.5, ink.detail);
    line(p, {18, 70}, {2, 62}, 1.5, ink.detail);
}

void drawPlaneSide(QPainter& p, const Ink& ink) {
    // A propeller plane flying to the left.
    QPainterPath hull;
    hull.moveTo(16, 56);
    hull.cubicTo(16, 40, 30, 38, 50, 38);
    hull.lineTo(150, 44);
    hull.lineTo(188, 14);
    hull.lineTo(198, 14);
    hull.lineTo(190, 66);
    hull.lineTo(50, 74);
    hull.cubicTo(30, 74, 16, 70, 16, 56);
    fillPath(p, hull, ink.body);
    fillPolygon(p, QPolygonF({{70, 60}, {120, 60}, {100, 100}, {86, 100}}), ink.body); // wing
    fillPolygon(p, QPolygonF({{160, 56}, {196, 56}, {186, 74}, {170, 74}}), ink.body);
    p.fillRect(QRectF(6, 54, 10, 6), ink.body); // propeller hub
    oval(p, QRectF(4, 24, 8, 60), ink.body);    // spinning blades
    for (int i = 0; i < 5; ++i)                 // windows
        disk(p, QPointF(62 + i * 18, 50), 4.5, ink.detail);
    fillPolygon(p, QPolygonF({{24, 46}, {40, 40}, {44, 52}, {24, 52}}), ink.detail);
    disk(p, {92, 104}, 5, ink.body); // wheel
}

void drawCarrot(QPainter& p, const Ink& ink) {
    for (int i = -1; i <= 1; ++i) { // green tops
        QPainterPath top;
        top.moveTo(45, 50);
        top.cubicTo(45 + 30 * i - 8, 30, 45 + 36 * i - 6, 8, 45 + 34 * i, 2);
        top.cubicTo(45 + 36 * i + 10, 10, 45 + 30 * i + 10, 30, 45, 50);
        fillPath(p, top, ink.accent);
    }
    QPainterPath root;
    root.moveTo(14, 56);
    root.cubicTo(20, 40, 70, 40, 76, 56);
    root.cubicTo(70, 100, 56, 150, 46, 188);
    root.cubicTo(36, 150, 20, 100, 14, 56);
    fillPath(p, root, ink.body);
    for (int i = 0; i < 5; ++i) { // grooves
        const double y = 74 + i * 20;
        const double half = 22 - i * 4;
        line(p, {45 - half, y}, {45 - half / 3, y + 2}, 2, ink.detail);
        line(p, {45 + half / 2, y + 10}, {45 + half, y + 8}, 2, ink.detail);
    }
}

} // namespace trelon::assets
