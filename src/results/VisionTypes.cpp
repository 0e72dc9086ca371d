#include "results/VisionTypes.h"

#include <array>

namespace trelon {

const QStringList& VisionTypeTexts() {
    static const QStringList texts = {
        QStringLiteral("Монокулярное зрение, ведущий правый"),
        QStringLiteral("Монокулярное зрение, ведущий левый"),
        QStringLiteral("Одновременное зрение, сходящееся косоглазие"),
        QStringLiteral("Одновременное зрение, расходящееся косоглазие"),
        QStringLiteral("Бинокулярное зрение, ведущий правый"),
        QStringLiteral("Бинокулярное зрение, ведущий левый"),
        QStringLiteral("Бинокулярное зрение, доминирование не выражено"),
    };
    return texts;
}

std::optional<QString> colourTestVisionText(int field, int filterPosition) {
    // With the filters swapped, fields 1/2 and 5/6 name the other eye.
    static constexpr std::array<int, 7> swapped = {2, 1, 3, 4, 6, 5, 7};
    if (field < 1 || field > 7) {
        return std::nullopt;
    }
    const int text = filterPosition == 2 ? swapped[static_cast<std::size_t>(field - 1)] : field;
    return VisionTypeTexts().value(text - 1);
}

} // namespace trelon
