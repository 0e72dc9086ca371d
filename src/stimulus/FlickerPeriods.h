#pragma once
// The flicker periods (milliseconds) of the frequencies (hertz) the set-up screen offers; 0
// for none or an unknown frequency. The two trainings differ on purpose at 6 and 8 Hz: the
// scotoma training flickers at 200 and 120 ms, the squint training at 250 and 100 ms.
#include <array>
#include <cstdint>

namespace trelon {

struct FlickerPeriod {
    int hertz;
    std::uint16_t scotomaTrainingMs;
    std::uint16_t squintTrainingMs;
};

inline constexpr std::array<FlickerPeriod, 5> kFlickerPeriods = {{
    {1, 1000, 1000},
    {2, 600, 600},
    {4, 400, 400},
    {6, 200, 250},
    {8, 120, 100},
}};

constexpr const FlickerPeriod* flickerPeriodAt(int hertz) {
    for (const FlickerPeriod& period : kFlickerPeriods) {
        if (period.hertz == hertz) {
            return &period;
        }
    }
    return nullptr;
}

constexpr std::uint16_t scotomaTrainingFlickerMs(int hertz) {
    const FlickerPeriod* period = flickerPeriodAt(hertz);
    return period != nullptr ? period->scotomaTrainingMs : 0;
}

constexpr std::uint16_t squintTrainingFlickerMs(int hertz) {
    const FlickerPeriod* period = flickerPeriodAt(hertz);
    return period != nullptr ? period->squintTrainingMs : 0;
}

} // namespace trelon
