#include "ContactSheet.h"

#include <QPainter>
#include <algorithm>

namespace trelon::assets {
namespace {

constexpr int kCell = 220; // square space for one picture
constexpr int kLabel = 18; // text line under it
constexpr int kColumns = 8;

// Enlarges small pictures by a whole factor (pixels stay sharp), shrinks big ones to fit.
QImage fitted(const QImage& picture) {
    const int longest = std::max(picture.width(), picture.height());
    if (longest <= kCell / 2) {
        const int factor = std::max(1, (kCell - 8) / longest);
        return picture.scaled(picture.size() * factor, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    if (longest > kCell - 8)
        return picture.scaled(kCell - 8, kCell - 8, Qt::KeepAspectRatio, Qt::FastTransformation);
    return picture;
}

} // namespace

QImage contactSheet(const std::vector<std::pair<QString, QImage>>& pictures) {
    const int count = static_cast<int>(pictures.size());
    const int rows = (count + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kCell, std::max(1, rows) * (kCell + kLabel), QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter p(&sheet);
    for (int i = 0; i < count; ++i) {
        const int left = (i % kColumns) * kCell;
        const int top = (i / kColumns) * (kCell + kLabel);
        const QImage shown = fitted(pictures[i].second);
        p.drawImage(left + (kCell - shown.width()) / 2, top + (kCell - shown.height()) / 2, shown);
        p.setPen(Qt::white);
        const QString label = QStringLiteral("%1 %2x%3")
                                  .arg(pictures[i].first)
                                  .arg(pictures[i].second.width())
                                  .arg(pictures[i].second.height());
        p.drawText(QRect(left, top + kCell, kCell, kLabel), Qt::AlignCenter, label);
    }
    return sheet;
}

} // namespace trelon::assets
