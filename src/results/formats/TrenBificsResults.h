#pragma once
// The results of the fusion fixing training: angles at the end and the start.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& trenBificsResults();

} // namespace trelon
