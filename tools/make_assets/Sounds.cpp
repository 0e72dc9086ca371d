#include "Sounds.h"

#include <algorithm>
#include <cmath>

namespace trelon::assets {
namespace {

std::vector<double> silence(double seconds) {
    return std::vector<double>(static_cast<std::size_t>(seconds * kSampleRate), 0.0);
}

// Adds a note starting at `start` seconds: a sine with its octave for brightness, a 5 ms
// attack (no click) and an exponential decay with time constant `decay` seconds.
void addNote(std::vector<double>& out, double start, double frequency, double length,
             double amplitude, double decay) {
    const auto first = static_cast<std::size_t>(start * kSampleRate);
    const auto count = static_cast<std::size_t>(length * kSampleRate);
    const double attack = 0.005 * kSampleRate;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double rise = std::min(1.0, static_cast<double>(i) / attack);
        const double fall = std::exp(-t / decay);
        // Fade the last 10 ms to zero so the note ends without a click.
        const double tail = std::min(1.0, static_cast<double>(count - i) / (0.01 * kSampleRate));
        const double wave =
            std::sin(2 * M_PI * frequency * t) + 0.3 * std::sin(2 * M_PI * 2 * frequency * t);
        out[first + i] += amplitude * rise * fall * tail * wave / 1.3;
    }
}

} // namespace

std::vector<double> correctChime() {
    auto out = silence(0.45);
    addNote(out, 0.00, 1318.5, 0.20, 0.6, 0.10); // E6
    addNote(out, 0.10, 1760.0, 0.35, 0.6, 0.12); // A6
    return out;
}

std::vector<double> secondTick() {
    auto out = silence(0.06);
    addNote(out, 0.0, 2000.0, 0.06, 1.0, 0.012);
    return out;
}

std::vector<double> fiveSecondTick() {
    auto out = silence(0.22);
    addNote(out, 0.00, 1200.0, 0.07, 0.9, 0.015);
    addNote(out, 0.13, 1200.0, 0.07, 0.9, 0.015);
    return out;
}

std::vector<double> resultChime() {
    auto out = silence(0.8);
    const double notes[] = {523.25, 659.25, 783.99, 1046.5}; // C5 E5 G5 C6
    for (int i = 0; i < 4; ++i)
        addNote(out, 0.09 * i, notes[i], 0.8 - 0.09 * i, 0.4, 0.18);
    return out;
}

} // namespace trelon::assets
