#include "ShellPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <climits>
#include <cmath>

namespace trelon::assets {
namespace {

int nearestEntry(const QList<QRgb>& table, QRgb colour) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < table.size(); ++i) {
        const int dr = qRed(table[i]) - qRed(colour);
        const int dg = qGreen(table[i]) - qGreen(colour);
        const int db = qBlue(table[i]) - qBlue(colour);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// Maps a true-colour picture onto the base palette, pixel by pixel.
QImage toBasePalette(const QImage& picture) {
    const QList<QRgb> table = basePalette();
    QImage indexed(picture.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < picture.height(); ++y) {
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            out[x] = static_cast<uchar>(nearestEntry(table, picture.pixel(x, y)));
    }
    return indexed;
}

// Red-blue glasses: two lenses joined by a bridge, with ear pieces to the sides.
void drawGlasses(QPainter& p, QPointF centre, double lensRadius, double gap) {
    const QPointF left = centre - QPointF(lensRadius + gap / 2, 0);
    const QPointF right = centre + QPointF(lensRadius + gap / 2, 0);
    p.setPen(QPen(QColor(30, 30, 30), lensRadius / 4));
    p.drawLine(left - QPointF(lensRadius * 1.8, lensRadius * 0.3), left);
    p.drawLine(right + QPointF(lensRadius * 1.8, -lensRadius * 0.3), right);
    p.drawArc(QRectF(centre.x() - gap / 2 - 2, centre.y() - gap / 2, gap + 4, gap), 0, 180 * 16);
    p.setBrush(QColor(230, 40, 40, 210));
    p.drawEllipse(left, lensRadius, lensRadius);
    p.setBrush(QColor(40, 90, 235, 210));
    p.drawEllipse(right, lensRadius, lensRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(left + QPointF(-lensRadius * 0.35, -lensRadius * 0.35), lensRadius * 0.22,
                  lensRadius * 0.16);
    p.drawEllipse(right + QPointF(-lensRadius * 0.35, -lensRadius * 0.35), lensRadius * 0.22,
                  lensRadius * 0.16);
}

void drawStar(QPainter& p, QPointF centre, double outer, double inner, const QColor& colour) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(star);
}

} // namespace

QList<QRgb> basePalette() {
    QList<QRgb> table(256, qRgb(0, 0, 0));
    const QRgb low[10] = {qRgb(0, 0, 0),      qRgb(128, 0, 0),     qRgb(0, 128, 0),
                          qRgb(128, 128, 0),  qRgb(0, 0, 128),     qRgb(128, 0, 128),
                          qRgb(0, 128, 128),  qRgb(192, 192, 192), qRgb(192, 220, 192),
                          qRgb(166, 202, 240)};
    const QRgb high[10] = {qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128),
                           qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
                           qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),
                           qRgb(255, 255, 255)};
    for (int i = 0; i < 10; ++i) {
        table[i] = low[i];
        table[246 + i] = high[i];
    }
    // The cube leaves out its eight corners, which the system colours already hold: a
    // second pure red or blue would take the colour of picture pixels away from 249 and 252.
    int entry = 10;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) {
                const bool corner = (r == 0 || r == 5) && (g == 0 || g == 5) && (b == 0 || b == 5);
                if (!corner)
                    table[entry++] = qRgb(r * 51, g * 51, b * 51);
            }
    for (int k = 0; k < 28; ++k) { // greys between black and white
        const int v = (k + 1) * 255 / 29;
        table[entry++] = qRgb(v, v, v);
    }
    return table;
}

QImage lakePicture() {
    QImage picture(128, 96, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < 48; ++y) // sky, lighter towards the horizon
        p.fillRect(0, y, 128, 1, QColor(102 + y, 153 + y, 255));
    drawStar(p, QPointF(100, 16), 9, 9, QColor(255, 255, 102)); // a round sun
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(51, 153, 51));
    p.drawEllipse(QRect(-30, 30, 100, 40));
    p.setBrush(QColor(102, 153, 51));
    p.drawEllipse(QRect(50, 34, 110, 36));
    p.setBrush(QColor(0, 102, 204));
    p.drawRect(0, 52, 128, 44);
    p.setBrush(QColor(51, 153, 255));
    for (int i = 0; i < 6; ++i)
        p.drawRect(10 + i * 19, 60 + (i % 3) * 9, 10, 1);
    p.setBrush(QColor(153, 51, 0)); // boat
    p.drawPolygon(QPolygon({QPoint(44, 70), QPoint(72, 70), QPoint(66, 77), QPoint(50, 77)}));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygon({QPoint(58, 50), QPoint(58, 68), QPoint(71, 68)}));
    p.setBrush(QColor(255, 0, 0));
    p.drawRect(57, 46, 3, 4);
    p.setBrush(QColor(0, 102, 0)); // fir trees on the shore
    for (int x : {8, 20, 112})
        p.drawPolygon(QPolygon({QPoint(x, 34), QPoint(x - 7, 54), QPoint(x + 7, 54)}));
    p.end();
    return toBasePalette(picture);
}

QImage splashFace() {
    QImage picture(169, 130, QImage::Format_RGB32);
    picture.fill(QColor(205, 232, 255));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawStar(p, QPointF(22, 22), 14, 6, QColor(255, 200, 40));
    drawStar(p, QPointF(150, 30), 10, 4, QColor(255, 120, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 30)); // hair
    p.drawEllipse(QRectF(36, 8, 98, 84));
    p.setBrush(QColor(255, 218, 180)); // face and ears
    p.drawEllipse(QRectF(30, 52, 16, 22));
    p.drawEllipse(QRectF(123, 52, 16, 22));
    p.drawEllipse(QRectF(40, 22, 89, 100));
    p.setBrush(QColor(110, 60, 30)); // fringe
    p.drawChord(QRectF(40, 12, 89, 44), 0, 180 * 16);
    p.setBrush(QColor(255, 160, 160)); // cheeks
    p.drawEllipse(QRectF(50, 84, 16, 10));
    p.drawEllipse(QRectF(103, 84, 16, 10));
    p.setPen(QPen(QColor(150, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(66, 82, 37, 24), 200 * 16, 140 * 16); // smile
    p.setPen(QPen(QColor(200, 140, 110), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84.5, 72), QPointF(82, 80)); // nose
    drawGlasses(p, QPointF(84.5, 62), 16, 8);
    return picture;
}

QImage splashBear() {
    QImage picture(190, 212, QImage::Format_RGB32);
    picture.fill(QColor(255, 246, 210));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawStar(p, QPointF(24, 28), 12, 5, QColor(255, 190, 40));
    drawStar(p, QPointF(166, 40), 9, 4, QColor(120, 200, 90));
    drawStar(p, QPointF(160, 180), 11, 5, QColor(255, 130, 170));
    const QColor fur(176, 112, 60);
    const QColor light(232, 190, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(fur);
    p.drawEllipse(QRectF(45, 108, 100, 96)); // body
    p.drawEllipse(QRectF(30, 120, 34, 50));  // paws
    p.drawEllipse(QRectF(126, 120, 34, 50));
    p.drawEllipse(QRectF(50, 180, 38, 28)); // feet
    p.drawEllipse(QRectF(102, 180, 38, 28));
    p.drawEllipse(QRectF(42, 12, 38, 38)); // ears
    p.drawEllipse(QRectF(110, 12, 38, 38));
    p.drawEllipse(QRectF(45, 22, 100, 96)); // head
    p.setBrush(light);
    p.drawEllipse(QRectF(70, 130, 50, 56)); // tummy
    p.drawEllipse(QRectF(51, 21, 20, 20));
    p.drawEllipse(QRectF(119, 21, 20, 20));
    p.drawEllipse(QRectF(72, 74, 46, 36)); // muzzle
    p.setBrush(QColor(60, 35, 20));
    p.drawEllipse(QRectF(86, 76, 18, 12)); // nose
    p.setPen(QPen(QColor(60, 35, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(95, 88), QPointF(95, 96));
    p.drawArc(QRectF(82, 86, 26, 16), 200 * 16, 140 * 16);
    drawGlasses(p, QPointF(95, 60), 15, 8);
    p.setPen(Qt::NoPen); // a heart on the tummy
    p.setBrush(QColor(230, 60, 80));
    QPainterPath heart;
    heart.moveTo(95, 172);
    heart.cubicTo(70, 156, 84, 140, 95, 152);
    heart.cubicTo(106, 140, 120, 156, 95, 172);
    p.drawPath(heart);
    return picture;
}

QImage addGlyph() {
    QImage picture(20, 20, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0, 90, 0));
    p.setBrush(QColor(40, 180, 40));
    p.drawPolygon(QPolygon({QPoint(7, 1), QPoint(12, 1), QPoint(12, 7), QPoint(18, 7),
                            QPoint(18, 12), QPoint(12, 12), QPoint(12, 18), QPoint(7, 18),
                            QPoint(7, 12), QPoint(1, 12), QPoint(1, 7), QPoint(7, 7)}));
    p.setPen(QColor(150, 235, 150)); // highlight along the upper left edges
    p.drawLine(8, 2, 8, 7);
    p.drawLine(2, 8, 7, 8);
    return picture;
}

QImage cursorPicture() {
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(0, 0), QPoint(0, 17), QPoint(4, 13), QPoint(7, 20),
                            QPoint(10, 19), QPoint(7, 12), QPoint(12, 12)}));
    // A small airship floating beside the pointer.
    p.setBrush(QColor(200, 200, 215));
    p.drawEllipse(QRect(13, 17, 16, 8));
    p.setBrush(QColor(220, 40, 40));
    p.drawPolygon(QPolygon({QPoint(28, 21), QPoint(31, 17), QPoint(31, 25)}));
    p.setBrush(QColor(40, 80, 220));
    p.drawRect(18, 26, 5, 2);
    p.setPen(QColor(40, 80, 220));
    p.drawLine(15, 21, 26, 21);
    return picture;
}

} // namespace trelon::assets
