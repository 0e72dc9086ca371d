#include "stimulus/ComposePixel.h"

#include "state/RunState.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace trelon {

namespace {

// The rule for one pixel, as comparisons and selections that the 16-pixel form repeats.
inline std::uint8_t composed(std::uint8_t source, std::uint8_t current, std::uint8_t own,
                             std::uint8_t other, std::uint8_t fon, std::uint8_t all) {
    const bool carriesFigure = (source == own) | (source == all);
    const bool carriesNothing = (source == fon) | (source == other);
    std::uint8_t result = current;
    result = ((current == fon) & carriesFigure) ? own : result;
    result = ((current == other) & carriesFigure) ? all : result;
    result = ((current == own) & carriesNothing) ? fon : result;
    result = ((current == all) & carriesNothing) ? other : result;
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
    const MovingEntries e = movingEntries(movingFigure, indices);
    return composed(source, current, e.own, e.other, e.fon, e.all);
}

#if defined(__SSE2__)
namespace {

// Where mask is set, value; elsewhere, current.
inline __m128i select(__m128i mask, __m128i value, __m128i current) {
    return _mm_or_si128(_mm_and_si128(mask, value), _mm_andnot_si128(mask, current));
}

// The rule for 16 pixels at once, step by step as composed().
inline __m128i composed16(__m128i source, __m128i current, __m128i own, __m128i other, __m128i fon,
                          __m128i all) {
    const __m128i carriesFigure =
        _mm_or_si128(_mm_cmpeq_epi8(source, own), _mm_cmpeq_epi8(source, all));
    const __m128i carriesNothing =
        _mm_or_si128(_mm_cmpeq_epi8(source, fon), _mm_cmpeq_epi8(source, other));
    __m128i result = current;
    result = select(_mm_and_si128(_mm_cmpeq_epi8(current, fon), carriesFigure), own, result);
    result = select(_mm_and_si128(_mm_cmpeq_epi8(current, other), carriesFigure), all, result);
    result = select(_mm_and_si128(_mm_cmpeq_epi8(current, own), carriesNothing), fon, result);
    result = select(_mm_and_si128(_mm_cmpeq_epi8(current, all), carriesNothing), other, result);
    return result;
}

} // namespace
#endif

void composeRow(const std::uint8_t* source, std::uint8_t* target, int count,
                const MovingEntries& entries) {
    // Held in locals: a byte store through target could otherwise change them.
    const std::uint8_t own = entries.own;
    const std::uint8_t other = entries.other;
    const std::uint8_t fon = entries.fon;
    const std::uint8_t all = entries.all;
#if defined(__SSE2__)
    if (count >= 16) {
        // A move recomposes a whole figure box per step, so the rule runs 16 pixels at a
        // time.
        const __m128i ownV = _mm_set1_epi8(static_cast<char>(own));
        const __m128i otherV = _mm_set1_epi8(static_cast<char>(other));
        const __m128i fonV = _mm_set1_epi8(static_cast<char>(fon));
        const __m128i allV = _mm_set1_epi8(static_cast<char>(all));
        for (int i = 0; i < count; i += 16) {
            // Composing a pixel a second time with the same source leaves it as the first
            // time did, so the last block may reach back over pixels already done.
            const int at = i + 16 <= count ? i : count - 16;
            const __m128i from = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + at));
            const __m128i to = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + at));
            // A pixel that receives its own value never changes; inside a figure and on
            // open background that holds for whole blocks.
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(from, to)) == 0xFFFF) {
                continue;
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(target + at),
                             composed16(from, to, ownV, otherV, fonV, allV));
        }
        return;
    }
#endif
    for (int i = 0; i < count; ++i) {
        target[i] = composed(source[i], target[i], own, other, fon, all);
    }
}

} // namespace trelon
