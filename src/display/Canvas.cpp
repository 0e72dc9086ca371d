#include "display/Canvas.h"

#include "display/Surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace trelon {

namespace {

// A mask value at least this high counts as covered; without antialiasing every painted
// pixel is fully covered, the threshold only guards against stray partial coverage.
constexpr int kCoveredThreshold = 128;

ColourWord colourWordOf(QRgb rgb) {
    return colourWord(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace

Canvas::Canvas(std::shared_ptr<Surface> surface) : surface_(std::move(surface)) {
    surface_->canvasOut_ = true;
    setFont(QStringLiteral("MS Sans Serif"), pixelsFromPoints(8), false);
}

Canvas::~Canvas() {
    surface_->canvasOut_ = false;
}

void Canvas::setPen(ColourWord colour, int width) {
    penColour_ = colour;
    penWidth_ = std::max(width, 1);
    penNull_ = false;
}

void Canvas::setNullPen() {
    penNull_ = true;
}

void Canvas::setBrush(ColourWord colour) {
    brushColour_ = colour;
    brushNull_ = false;
}

void Canvas::setNullBrush() {
    brushNull_ = true;
}

void Canvas::setFont(const QString& family, int pixelSize, bool bold) {
    font_ = QFont(family);
    font_.setPixelSize(std::max(pixelSize, 1));
    font_.setBold(bold);
    font_.setStyleStrategy(QFont::NoAntialias);
}

int Canvas::pixelsFromPoints(int points) {
    // The screen's logical resolution is 96 pixels per inch, 72 points per inch.
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

void Canvas::setTextColour(ColourWord colour) {
    textColour_ = colour;
}
void Canvas::setBackgroundColour(ColourWord colour) {
    backgroundColour_ = colour;
}
void Canvas::setBackgroundMode(BackgroundMode mode) {
    backgroundMode_ = mode;
}

std::uint8_t Canvas::entryOf(ColourWord colour) const {
    return surface_->effectivePalette().nearestIndex(colour);
}

QPen Canvas::outlinePen() const {
    QPen pen(Qt::white);
    pen.setWidth(penWidth_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

template <typename PaintFn>
void Canvas::paintCoverage(const QRect& bounds, std::uint8_t index, PaintFn paint) {
    const QRect area = bounds.intersected(surface_->rect());
    if (area.isEmpty()) {
        return;
    }
    QImage mask(area.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.translate(-area.left(), -area.top());
        paint(painter);
    }
    const int pitch = surface_->pitch();
    std::uint8_t* bits = surface_->bits();
    int top = area.bottom() + 1, bottom = -1, left = area.right() + 1, right = -1;
    for (int y = 0; y < area.height(); ++y) {
        const uchar* coverage = mask.constScanLine(y);
        std::uint8_t* row = bits + (area.top() + y) * pitch + area.left();
        for (int x = 0; x < area.width(); ++x) {
            if (coverage[x] >= kCoveredThreshold) {
                row[x] = index;
                top = std::min(top, area.top() + y);
                bottom = area.top() + y;
                left = std::min(left, area.left() + x);
                right = std::max(right, area.left() + x);
            }
        }
    }
    if (bottom >= 0) {
        surface_->reportChanged(QRect(QPoint(left, top), QPoint(right, bottom)));
    }
}

void Canvas::writeSolid(const QRect& rect, std::uint8_t index) {
    const QRect area = rect.intersected(surface_->rect());
    if (area.isEmpty()) {
        return;
    }
    const int pitch = surface_->pitch();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::uint8_t* row = surface_->bits() + y * pitch + area.left();
        std::fill(row, row + area.width(), index);
    }
    surface_->reportChanged(area);
}

void Canvas::strokePath(const QPainterPath& path) {
    if (penNull_) {
        return;
    }
    const int margin = penWidth_ + 2;
    const QRect bounds =
        path.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    paintCoverage(bounds, entryOf(penColour_), [&](QPainter& painter) {
        painter.setPen(outlinePen());
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    });
}

void Canvas::drawShape(const QPainterPath& path) {
    if (!brushNull_) {
        const QRect bounds = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
        paintCoverage(bounds, entryOf(brushColour_), [&](QPainter& painter) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawPath(path);
        });
    }
    strokePath(path);
}

QSize Canvas::textExtent(const QString& text) const {
    const QFontMetrics metrics(font_);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void Canvas::textOut(int x, int y, const QString& text) {
    const QFontMetrics metrics(font_);
    const QSize extent = textExtent(text);
    if (backgroundMode_ == BackgroundMode::Opaque) {
        writeSolid(QRect(QPoint(x, y), extent), entryOf(backgroundColour_));
    }
    // Glyphs may overhang their advance a little; the mask leaves room for that.
    const int overhang = metrics.height() / 2 + 2;
    const QRect bounds(x - overhang, y, extent.width() + 2 * overhang, extent.height());
    paintCoverage(bounds, entryOf(textColour_), [&](QPainter& painter) {
        painter.setFont(font_);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
    });
}

void Canvas::moveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void Canvas::lineTo(int x, int y) {
    QPainterPath path(position_);
    path.lineTo(x, y);
    strokePath(path);
    position_ = QPoint(x, y);
}

void Canvas::polyline(const QPolygon& points) {
    if (points.isEmpty()) {
        return;
    }
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    strokePath(path);
}

void Canvas::polygon(const QPolygon& points) {
    if (points.size() < 2) {
        return;
    }
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    drawShape(path);
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    // The outline runs through the outermost pixels of the exclusive bounding box.
    QPainterPath path;
    path.addEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
    drawShape(path);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right - left < 1 || bottom - top < 1) {
        return;
    }
    if (!brushNull_) {
        writeSolid(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), entryOf(brushColour_));
    }
    QPainterPath path;
    path.addRect(QRectF(left, top, right - left - 1, bottom - top - 1));
    strokePath(path);
}

void Canvas::fillRect(const QRect& rect, ColourWord colour) {
    writeSolid(rect.normalized(), entryOf(colour));
}

void Canvas::stretchBitmap(const QRect& destRect, const QImage& source, const QRect& sourceRect) {
    const QRect from = sourceRect.isNull() ? source.rect() : sourceRect;
    if (source.isNull() || destRect.width() <= 0 || destRect.height() <= 0 || from.width() <= 0 ||
        from.height() <= 0) {
        return;
    }
    const QRect visible = destRect.intersected(surface_->rect());
    if (visible.isEmpty()) {
        return;
    }
    const Palette& palette = surface_->effectivePalette();

    // Indexed pictures map their colour table once; others go through RGB32 with the last
    // colour remembered (pictures hold few colours, in long runs).
    const bool indexed = source.format() == QImage::Format_Indexed8;
    std::array<std::uint8_t, 256> tableEntries{};
    QImage rgb;
    if (indexed) {
        const QList<QRgb> table = source.colorTable();
        for (int i = 0; i < static_cast<int>(table.size()) && i < 256; ++i) {
            tableEntries[static_cast<std::size_t>(i)] =
                palette.nearestIndex(colourWordOf(table[i]));
        }
    } else {
        rgb = source.convertToFormat(QImage::Format_RGB32);
    }

    std::vector<int> columns(static_cast<std::size_t>(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x) {
        const long long sx = from.left() + static_cast<long long>(x - destRect.left()) *
                                               from.width() / destRect.width();
        columns[static_cast<std::size_t>(x - visible.left())] =
            sx >= 0 && sx < source.width() ? static_cast<int>(sx) : -1;
    }
    QRgb lastColour = 0;
    std::uint8_t lastEntry = palette.nearestIndex(0);
    const int pitch = surface_->pitch();
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const long long sy = from.top() + static_cast<long long>(y - destRect.top()) *
                                              from.height() / destRect.height();
        if (sy < 0 || sy >= source.height()) {
            continue;
        }
        std::uint8_t* row = surface_->bits() + y * pitch + visible.left();
        if (indexed) {
            const uchar* line = source.constScanLine(static_cast<int>(sy));
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (columns[i] >= 0) {
                    row[i] = tableEntries[line[columns[i]]];
                }
            }
        } else {
            const auto* line =
                reinterpret_cast<const QRgb*>(rgb.constScanLine(static_cast<int>(sy)));
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (columns[i] < 0) {
                    continue;
                }
                const QRgb colour = line[columns[i]] & 0xFFFFFFu;
                if (colour != lastColour) {
                    lastColour = colour;
                    lastEntry = palette.nearestIndex(colourWordOf(colour));
                }
                row[i] = lastEntry;
            }
        }
    }
    surface_->reportChanged(visible);
}

} // namespace trelon
