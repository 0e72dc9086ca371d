// Objects made of two parts that belong together, one for each eye.
#include "Shapes.h"

#include <cmath>

namespace trelon::assets {

void drawStarInCircle(QPainter& p, const Ink& ink) {
    ring(p, {80, 80}, 78, 66, ink.body);
    fillPolygon(p, starPolygon({80, 84}, 54, 22, 5), ink.part);
}

void drawHouse(QPainter& p, const Ink& ink) {
    p.fillRect(QRectF(26, 76, 108, 80), ink.body);
    p.fillRect(QRectF(68, 108, 26, 48), ink.detail); // door
    p.fillRect(QRectF(38, 90, 22, 22), ink.accent);  // windows
    p.fillRect(QRectF(102, 90, 22, 22), ink.accent);
    p.fillRect(QRectF(48, 90, 2, 22), ink.detail); // window frames
    p.fillRect(QRectF(38, 100, 22, 2), ink.detail);
    p.fillRect(QRectF(112, 90, 2, 22), ink.detail);
    p.fillRect(QRectF(102, 100, 22, 2), ink.detail);
    disk(p, {88, 134}, 2.5, ink.body); // door knob
    fillPolygon(p, QPolygonF({{6, 72}, {80, 6}, {154, 72}}), ink.part);
    p.fillRect(QRectF(108, 18, 16, 34), ink.part); // chimney
    disk(p, {80, 48}, 9, ink.detail);              // round attic window
}

void drawFishBowl(QPainter& p, const Ink& ink) {
    // The bowl: a thick round outline open at the top, a rim and a stand.
    QPainterPath bowl;
    bowl.setFillRule(Qt::OddEvenFill);
    bowl.addEllipse(QPointF(80, 86), 72, 68);
    bowl.addEllipse(QPointF(80, 86), 64, 60);
    QPainterPath opening;
    opening.addRect(QRectF(36, 0, 88, 30));
    fillPath(p, bowl.subtracted(opening), ink.body);
    p.fillRect(QRectF(30, 24, 22, 7), ink.body);
    p.fillRect(QRectF(108, 24, 22, 7), ink.body);
    p.fillRect(QRectF(50, 150, 60, 8), ink.body);
    // Waves on the water.
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(30 + i * 22, 46 + (i % 2) * 3, 14, 3), ink.body);
    // The fish, facing left, with bubbles.
    oval(p, QRectF(42, 76, 64, 40), ink.part);
    fillPolygon(p, QPolygonF({{100, 96}, {126, 76}, {120, 96}, {126, 116}}), ink.part);
    fillPolygon(p, QPolygonF({{66, 78}, {84, 62}, {90, 80}}), ink.part);
    disk(p, {58, 90}, 4, ink.detail);
    line(p, {80, 82}, {80, 110}, 2, ink.detail); // gill
    disk(p, {36, 70}, 4, ink.part);
    disk(p, {30, 58}, 3, ink.part);
}

void drawChickEgg(QPainter& p, const Ink& ink) {
    // The chick, round and fluffy, sitting in the lower half of its shell.
    disk(p, {65, 92}, 40, ink.part);
    disk(p, {65, 54}, 30, ink.part);
    fillPolygon(p, QPolygonF({{62, 24}, {56, 10}, {68, 20}, {72, 8}, {74, 26}}), ink.part);
    disk(p, {54, 50}, 5, ink.detail);
    disk(p, {76, 50}, 5, ink.detail);
    fillPolygon(p, QPolygonF({{58, 62}, {72, 62}, {65, 74}}), ink.accent); // beak
    // Lower shell with a zigzag broken edge.
    QPainterPath egg;
    egg.addEllipse(QRectF(8, 70, 114, 96));
    QPolygonF zigzag;
    zigzag << QPointF(0, 0) << QPointF(130, 0) << QPointF(130, 108);
    for (int i = 0; i <= 8; ++i)
        zigzag << QPointF(130 - i * 16.25, i % 2 == 0 ? 108 : 94);
    zigzag << QPointF(0, 108);
    QPainterPath cut;
    cut.addPolygon(zigzag);
    fillPath(p, egg.subtracted(cut), ink.body);
    // Wings peeking over the shell.
    oval(p, QRectF(20, 84, 18, 26), ink.part);
    oval(p, QRectF(92, 84, 18, 26), ink.part);
}

void drawBoat(QPainter& p, const Ink& ink) {
    fillPolygon(p, QPolygonF({{8, 124}, {162, 124}, {136, 160}, {34, 160}}), ink.body);
    p.fillRect(QRectF(82, 18, 6, 108), ink.body); // mast
    disk(p, {56, 140}, 5, ink.detail);            // portholes
    disk(p, {85, 140}, 5, ink.detail);
    disk(p, {114, 140}, 5, ink.detail);
    fillPolygon(p, QPolygonF({{94, 22}, {94, 116}, {156, 116}}), ink.part);
    fillPolygon(p, QPolygonF({{76, 36}, {76, 116}, {26, 116}}), ink.part);
    fillPolygon(p, QPolygonF({{88, 4}, {116, 11}, {88, 18}}), ink.accent); // flag
}

void drawCandle(QPainter& p, const Ink& ink) {
    p.fillRect(QRectF(26, 66, 38, 98), ink.body);
    oval(p, QRectF(4, 158, 82, 18), ink.body); // holder
    oval(p, QRectF(22, 66, 12, 24), ink.body); // wax drips
    oval(p, QRectF(56, 66, 12, 34), ink.body);
    p.fillRect(QRectF(43, 58, 4, 8), ink.detail); // wick gap
    QPainterPath flame;
    flame.moveTo(45, 4);
    flame.cubicTo(56, 24, 66, 38, 62, 50);
    flame.cubicTo(58, 62, 32, 62, 28, 50);
    flame.cubicTo(24, 38, 34, 24, 45, 4);
    fillPath(p, flame, ink.part);
    oval(p, QRectF(38, 34, 14, 22), ink.accent); // core
}

void drawArrowTarget(QPainter& p, const Ink& ink) {
    const QPointF centre(136, 65);
    disk(p, centre, 62, ink.body);
    disk(p, centre, 50, ink.detail);
    disk(p, centre, 38, ink.body);
    disk(p, centre, 26, ink.detail);
    disk(p, centre, 14, ink.body);
    // The arrow flies in from the left, its tip in the middle of the target.
    p.fillRect(QRectF(18, 62, 104, 7), ink.part);
    fillPolygon(p, QPolygonF({{112, 52}, {136, 65}, {112, 78}}), ink.part);
    fillPolygon(p, QPolygonF({{2, 48}, {18, 48}, {36, 62}, {20, 62}}), ink.part); // feathers
    fillPolygon(p, QPolygonF({{2, 82}, {18, 82}, {36, 69}, {20, 69}}), ink.part);
}

void drawFlower(QPainter& p, const Ink& ink) {
    line(p, {70, 80}, {70, 176}, 8, ink.body);
    QPainterPath leaf;
    leaf.moveTo(70, 150);
    leaf.cubicTo(50, 110, 20, 120, 14, 128);
    leaf.cubicTo(30, 150, 56, 152, 70, 150);
    fillPath(p, leaf, ink.body);
    fillPath(p, QTransform(-1, 0, 0, 1, 140, -24).map(leaf), ink.body);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        const QPointF c(70 + 32 * std::cos(a), 56 + 32 * std::sin(a));
        disk(p, c, 22, ink.part);
    }
    disk(p, {70, 56}, 20, ink.detail);
    disk(p, {70, 56}, 16, ink.accent);
}

void drawTelephone(QPainter& p, const Ink& ink) {
    QPainterPath set;
    set.moveTo(46, 52);
    set.lineTo(124, 52);
    set.lineTo(156, 146);
    set.lineTo(14, 146);
    set.closeSubpath();
    fillPath(p, set, ink.body);
    disk(p, {85, 108}, 30, ink.detail);
    disk(p, {85, 108}, 10, ink.accent);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 12;
        disk(p, QPointF(85 + 21 * std::cos(a), 108 + 21 * std::sin(a)), 5, ink.accent);
    }
    // The handset lies on top: a grip with an ear piece and a mouth piece.
    p.fillRect(QRectF(34, 12, 102, 14), ink.part);
    QPainterPath ends;
    ends.addRoundedRect(QRectF(8, 8, 42, 36), 12, 12);
    ends.addRoundedRect(QRectF(120, 8, 42, 36), 12, 12);
    fillPath(p, ends, ink.part);
}

void drawCar(QPainter& p, const Ink& ink) {
    QPainterPath body;
    body.addRoundedRect(QRectF(6, 48, 188, 42), 12, 12);
    fillPath(p, body, ink.body);
    fillPolygon(p, QPolygonF({{44, 50}, {66, 12}, {134, 12}, {160, 50}}), ink.body);
    fillPolygon(p, QPolygonF({{66, 46}, {74, 20}, {96, 20}, {96, 46}}), ink.detail);
    fillPolygon(p, QPolygonF({{104, 46}, {104, 20}, {128, 20}, {146, 46}}), ink.detail);
    p.fillRect(QRectF(100, 52, 2, 30), ink.detail); // door line
    p.fillRect(QRectF(108, 58, 12, 3), ink.detail); // handle
    disk(p, {50, 94}, 22, ink.detail);              // wheel arches
    disk(p, {150, 94}, 22, ink.detail);
    disk(p, {50, 94}, 19, ink.part);
    disk(p, {150, 94}, 19, ink.part);
    disk(p, {50, 94}, 7, ink.detail);
    disk(p, {150, 94}, 7, ink.detail);
    oval(p, QRectF(180, 56, 12, 12), ink.accent); // headlight
    oval(p, QRectF(6, 56, 8, 10), ink.accent);    // rear light
}

void drawBee(QPainter& p, const Ink& ink) {
    oval(p, QRectF(52, 6, 44, 56), ink.body); // wings
    oval(p, QRectF(88, 12, 40, 50), ink.body);
    oval(p, QRectF(40, 52, 96, 64), ink.part);
    fillPolygon(p, QPolygonF({{132, 78}, {154, 86}, {132, 92}}), ink.part); // sting
    // Stripes, kept inside the body.
    p.save();
    QPainterPath bodyClip;
    bodyClip.addEllipse(QRectF(40, 52, 96, 64));
    p.setClipPath(bodyClip);
    for (int x : {70, 92, 114})
        p.fillRect(QRectF(x, 40, 9, 90), ink.detail);
    p.restore();
    disk(p, {30, 82}, 22, ink.part); // head
    disk(p, {22, 76}, 5, ink.detail);
    line(p, {22, 92}, {30, 95}, 3, ink.detail);
    line(p, {30, 62}, {18, 38}, 4, ink.part); // antennae
    line(p, {36, 62}, {40, 36}, 4, ink.part);
    disk(p, {18, 38}, 5, ink.part);
    disk(p, {40, 36}, 5, ink.part);
}

void drawCrab(QPainter& p, const Ink& ink) {
    // Legs and claws.
    for (int i = 0; i < 3; ++i) {
        const double y = 84 + i * 12;
        line(p, {60, y}, {22, y + 18 + i * 4}, 6, ink.body);
        line(p, {120, y}, {158, y + 18 + i * 4}, 6, ink.body);
    }
    line(p, {62, 70}, {34, 46}, 8, ink.body);
    line(p, {118, 70}, {146, 46}, 8, ink.body);
    disk(p, {28, 32}, 22, ink.body);
    disk(p, {152, 32}, 22, ink.body);
    fillPolygon(p, QPolygonF({{28, 32}, {14, 4}, {40, 6}}), ink.detail); // open pincers
    fillPolygon(p, QPolygonF({{152, 32}, {140, 6}, {166, 4}}), ink.detail);
    // Shell with eyes on stalks and a smile.
    oval(p, QRectF(46, 50, 88, 64), ink.part);
    line(p, {76, 52}, {72, 32}, 5, ink.part);
    line(p, {104, 52}, {108, 32}, 5, ink.part);
    disk(p, {72, 28}, 9, ink.part);
    disk(p, {108, 28}, 9, ink.part);
    disk(p, {72, 28}, 4, ink.detail);
    disk(p, {108, 28}, 4, ink.detail);
    p.setPen(QPen(ink.detail, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(74, 70, 32, 22), 200 * 16, 140 * 16);
}

void drawCandy(QPainter& p, const Ink& ink) {
    fillPolygon(p, QPolygonF({{52, 45}, {8, 14}, {18, 45}, {8, 76}}), ink.part);
    fillPolygon(p, QPolygonF({{128, 45}, {172, 14}, {162, 45}, {172, 76}}), ink.accent);
    oval(p, QRectF(42, 14, 96, 62), ink.body);
    // Stripes of the wrapper, kept inside it.
    p.save();
    QPainterPath wrapper;
    wrapper.addEllipse(QRectF(42, 14, 96, 62));
    p.setClipPath(wrapper);
    for (int i = 0; i < 4; ++i) {
        const double x = 52 + i * 24;
        fillPolygon(p, QPolygonF({{x, 80}, {x + 5, 80}, {x + 25, 10}, {x + 20, 10}}), ink.detail);
    }
    p.restore();
}

} // namespace trelon::assets
