#pragma once
// The starting role colours, set when the colour calibration screen is created.
namespace trelon {

struct SharedState;

// With level L = setting Contrast (above 3 counts as 3) and the configured glasses: selects
// the role colours of that level, writes them into the palette, saves a copy and makes L the
// contrast level. A Contrast below 1 selects no level and keeps the colours and level as
// they were.
void ApplyStartingColours(SharedState& state);

} // namespace trelon
