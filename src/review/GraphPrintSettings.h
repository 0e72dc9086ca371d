#pragma once
// The printed graph's settings panel without widgets: its five rows and the check of the
// values the operator typed into them.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace trelon {

// The five rows of the panel, in their order: three line widths, then two tick fonts.
inline constexpr int kGraphSettingCount = 5;
using GraphSettingValues = std::array<int, kGraphSettingCount>;

// The rows' captions (the panel's "Элемент" column).
const QStringList& graphSettingCaptions();

struct GraphSettingsCheck {
    std::optional<GraphSettingValues> values; // every row valid
    QString message;                          // else what the operator is told
};

// The typed texts of the five rows: whole numbers 1..1000 for the widths (thousandths of a
// page unit) and 1..72 for the fonts (points); the first row outside its range is named.
GraphSettingsCheck checkGraphSettings(const QStringList& typed);

// The panel's note on the values, naming the ranges the check takes.
QString graphSettingsNote();

} // namespace trelon
