#pragma once
// The results of the colour test: the eye and kind of vision found, no graph.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& diagCvetotestResults();

} // namespace trelon
