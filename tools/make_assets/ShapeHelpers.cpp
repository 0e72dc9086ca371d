#include "Shapes.h"

#include <cmath>

namespace trelon::assets {

void fillPath(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void fillPolygon(QPainter& p, const QPolygonF& polygon, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(polygon);
}

void disk(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void oval(QPainter& p, const QRectF& box, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(box);
}

void ring(QPainter& p, QPointF centre, double outer, double inner, const QColor& colour) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(centre, outer, outer);
    path.addEllipse(centre, inner, inner);
    fillPath(p, path, colour);
}

void line(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(from, to);
}

QPolygonF starPolygon(QPointF centre, double outer, double inner, int points) {
    QPolygonF star;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / points;
        star << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return star;
}

} // namespace trelon::assets
