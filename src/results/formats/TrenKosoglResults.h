#pragma once
// The results of the squint training: angles at the end and the start, by work mode.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& trenKosoglResults();

} // namespace trelon
