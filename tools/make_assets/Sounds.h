#pragma once
// The feedback sounds, synthesised from sine tones with envelopes.
#include <vector>

namespace trelon::assets {

inline constexpr int kSampleRate = 22050;

std::vector<double> correctChime();   // "Verno.wav": two bright rising notes
std::vector<double> secondTick();     // "1Sec.wav": one short tick
std::vector<double> fiveSecondTick(); // "5Sec.wav": a lower double tick
std::vector<double> resultChime();    // "Rez.wav": a rising four-note arpeggio

} // namespace trelon::assets
