// Draws the program's icon (the same picture as packaging/org.trelon.Trelon2.svg) as PNG files
// in the desktop's hicolor sizes: <folder>/hicolor/<n>x<n>/apps/<name>.png.
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

const QColor kBackground(0x1d, 0x24, 0x33);

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackground);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
    // The two views: where they overlap the screen blend gives the light joint colour.
    QImage views(size, size, QImage::Format_ARGB32_Premultiplied);
    views.fill(Qt::transparent);
    {
        QPainter layer(&views);
        layer.setRenderHint(QPainter::Antialiasing);
        layer.scale(size / 256.0, size / 256.0);
        layer.setPen(Qt::NoPen);
        layer.setBrush(QColor(0xe0, 0x31, 0x2b));
        layer.drawEllipse(QPointF(100, 128), 68, 68);
        layer.setCompositionMode(QPainter::CompositionMode_Screen);
        layer.setBrush(QColor(0x19, 0xb6, 0xd4));
        layer.drawEllipse(QPointF(156, 128), 68, 68);
    }
    painter.resetTransform();
    painter.drawImage(0, 0, views);
    painter.scale(size / 256.0, size / 256.0);
    QPen cross(kBackground, 10);
    cross.setCapStyle(Qt::RoundCap);
    painter.setPen(cross);
    painter.drawLine(QPointF(128, 104), QPointF(128, 152));
    painter.drawLine(QPointF(104, 128), QPointF(152, 128));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon <icons folder> <icon name>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !drawIcon(size).save(file)) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
