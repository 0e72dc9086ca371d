#pragma once
// Everything a run reaches outside the core: dialogs, time, timers, the pointer and sound.
// The screens pass the Qt implementations; tests pass fakes.

namespace trelon {

class Clock;
class Cursor;
class Dialogs;
class SoundPlayer;
class TimerFactory;

struct PlatformSeams {
    Dialogs& dialogs;
    Clock& clock;
    TimerFactory& timers;
    Cursor& cursor;
    SoundPlayer& sound;
};

} // namespace trelon
