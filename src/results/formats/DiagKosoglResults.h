#pragma once
// The results of the squint angle measurement: both angles, plotted together.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& diagKosoglResults();

} // namespace trelon
