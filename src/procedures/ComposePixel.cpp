#include "procedures/ComposePixel.h"

#include "procedures/RunState.h"

namespace trelon {

namespace {

// One pixel, written without branches so the row loop can run on vector registers.
inline std::uint8_t composed(std::uint8_t source, std::uint8_t current, const MovingEntries& e) {
    const bool carriesFigure = (source == e.own) | (source == e.all);
    const bool carriesNothing = (source == e.fon) | (source == e.other);
    std::uint8_t result = current;
    result = ((current == e.fon) & carriesFigure) ? e.own : result;
    result = ((current == e.other) & carriesFigure) ? e.all : result;
    result = ((current == e.own) & carriesNothing) ? e.fon : result;
    result = ((current == e.all) & carriesNothing) ? e.other : result;
    return result;
}

} // namespace

MovingEntries movingEntries(int movingFigure, const PaletteIndices& indices) {
    const auto blue = static_cast<std::uint8_t>(indices.IndexBlue);
    const auto red = static_cast<std::uint8_t>(indices.IndexRed);
    MovingEntries entries;
    entries.own = movingFigure == FigureRed ? red : blue;
    entries.other = movingFigure == FigureRed ? blue : red;
    entries.fon = static_cast<std::uint8_t>(indices.IndexFon);
    entries.all = static_cast<std::uint8_t>(indices.IndexAll);
    return entries;
}

std::uint8_t ComposePixel(int movingFigure, std::uint8_t source, std::uint8_t current,
                          const PaletteIndices& indices) {
    if (movingFigure != FigureBlue && movingFigure != FigureRed) {
        return current;
    }
    return composed(source, current, movingEntries(movingFigure, indices));
}

void composeRow(const std::uint8_t* source, std::uint8_t* target, int count,
                const MovingEntries& entries) {
    // Blocks of a fixed length let the compiler turn the loop into vector code.
    constexpr int kBlock = 32;
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        const std::uint8_t* from = source + i;
        std::uint8_t* to = target + i;
        for (int k = 0; k < kBlock; ++k) {
            to[k] = composed(from[k], to[k], entries);
        }
    }
    for (; i < count; ++i) {
        target[i] = composed(source[i], target[i], entries);
    }
}

} // namespace trelon
