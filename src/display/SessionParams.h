#pragma once
// The shared state of the current session. Its leading part is the result record that is
// appended to the results file when a run finishes.
#include "results/ResultRecord.h"

namespace trelon {

struct SessionParams : ResultRecord {};

} // namespace trelon
