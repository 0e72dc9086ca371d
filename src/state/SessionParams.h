#pragma once
// The shared state of the current session. Its leading part is the result record that is
// appended to the results file when a run finishes; the fields after it live only in memory.
#include "results/ResultRecord.h"

#include <cstdint>

namespace trelon {

struct SessionParams : ResultRecord {
    // Oscillation axes of the bifixation training: 1 both, 2 horizontal only, 3 vertical
    // only. The set-up screen's start button sets 1; the run changes it.
    std::int32_t BifixPhase = 1;
    // Interval of the stimulus window's pause timer (TimerM) in milliseconds: 2000 until a
    // start with the pause choice shown sets PauseSeconds * 1000.
    std::int32_t TimerMInterval = 2000;
    // Item indices of set-up groups that choose a scene's picture or size but are not kept
    // in the record; 0 when the group was not shown.
    int SizeScotomaItem = 0; // RadioGroupSizeScotoma
    int SizeFuzItem = 0;     // RadioGroupSizeFuz
    int ObjFuzItem = 0;      // RadioGroupObjFuz
    int TrenFuzObjItem = 0;  // RadioGroupTrenFuzObj
};

} // namespace trelon
