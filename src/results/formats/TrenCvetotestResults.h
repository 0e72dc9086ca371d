#pragma once
// The results of the fusion reserves training: positive and negative reserves.
#include "results/ResultsFormat.h"

namespace trelon {

const ResultsFormat& trenCvetotestResults();

} // namespace trelon
