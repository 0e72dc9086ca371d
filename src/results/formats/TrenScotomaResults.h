#pragma once
// The results of the scotoma training: the scotoma left and the direction trained.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& trenScotomaResults();

} // namespace trelon
