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
    // With the filters swapped (red over the left eye) fields 1/2 and 5/6 name the other eye,
    // and the red dots right of the blue ones (field 3) are the crossed image of a divergent
    // squint instead of the uncrossed image of a convergent one: 3/4 change places as well.
    // The record keeps the field number; this one function names it for screen and table.
    static constexpr std::array<int, 7> swapped = {2, 1, 4, 3, 6, 5, 7};
    if (field < 1 || field > 7) {
        return std::nullopt;
    }
    const int text = filterPosition == 2 ? swapped[static_cast<std::size_t>(field - 1)] : field;
    return VisionTypeTexts().value(text - 1);
}

} // namespace trelon
