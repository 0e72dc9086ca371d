#pragma once
// Display operations made to fail on purpose, so tests reach every failure path.

namespace trelon {

// Steps made to fail on purpose (tests). Each set flag makes that operation return a
// failure code without doing anything.
struct DisplayFailures {
    bool createDevice = false;     // OutOfMemory
    bool cooperativeLevel = false; // Generic
    bool displayMode = false;      // InvalidMode
    bool createPalette = false;    // OutOfMemory
    bool createPrimary = false;    // OutOfMemory
    bool createOffscreen = false;  // OutOfMemory
    bool getCanvas = false;        // CantCreateDC
    bool lock = false;             // SurfaceBusy
    bool blit = false;             // Generic
};

} // namespace trelon
