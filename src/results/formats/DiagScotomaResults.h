#pragma once
// The results of the scotoma diagnostic: the extent in eight directions, plotted in opposite
// pairs.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& diagScotomaResults();

} // namespace trelon
