#pragma once
// The results of the fusion reserves diagnostic: reserves and limits of fusion by type.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& diagFuziaResults();

} // namespace trelon
