#include "review/GraphPrintSettings.h"

#include "common/StrictNumbers.h"

namespace trelon {

const QStringList& graphSettingCaptions() {
    static const QStringList captions = {
        QStringLiteral("Линии осей Х и Y"), QStringLiteral("Линии графика"),
        QStringLiteral("Линии маркеров"), QStringLiteral("Шрифт для делений по оси Х"),
        QStringLiteral("Шрифт для делений по оси Y")};
    return captions;
}

namespace {

// Beyond these a printout is no longer readable.
constexpr int kMostWidth = 1000; // thousandths of a page unit
constexpr int kMostFont = 72;    // points

} // namespace

QString graphSettingsNote() {
    return QStringLiteral("Толщина линий в относительных единицах (от 1 до %1)\n"
                          "Размер шрифта в пунктах (от 1 до %2)")
        .arg(kMostWidth)
        .arg(kMostFont);
}

GraphSettingsCheck checkGraphSettings(const QStringList& typed) {
    GraphSettingValues values{};
    for (int r = 0; r < kGraphSettingCount; ++r) {
        const std::optional<int> value = strToInt(typed.value(r).trimmed());
        const int most = r < 3 ? kMostWidth : kMostFont;
        if (!value || *value < 1 || *value > most) {
            return {std::nullopt, QStringLiteral("«%1»: введите целое число от 1 до %2")
                                      .arg(graphSettingCaptions()[r])
                                      .arg(most)};
        }
        values[static_cast<std::size_t>(r)] = *value;
    }
    return {values, {}};
}

} // namespace trelon
