#pragma once
// The program's start before its main window shows: the display, the settings and the texts
// every screen shares. The data folder is settled later, at the main window's first paint,
// because choosing another one hides the splash first.
#include "display/DisplayFailures.h"

#include <QSize>

namespace trelon {

struct SharedState;
class Dialogs;

// Takes the display (device, exclusive full-screen 8-bit mode, base and working palettes),
// loads Class.ini (a bad value is reported, the others keep their defaults), sets the shared
// message texts and the role palette entries. False: the program must end now (a message, if
// any, has been shown). forced makes display steps fail, for tests.
bool startProgram(SharedState& state, Dialogs& dialogs, QSize screenSize,
                  const DisplayFailures& forced = {});

} // namespace trelon
