#pragma once
// The platform seams of a run, all fakes: scripted dialogs, a manual clock, timers the test
// fires, a recording cursor and a recording sound player.
#include "platform/PlatformSeams.h"
#include "support/FakeClock.h"
#include "support/FakeCursor.h"
#include "support/FakeDialogs.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimers.h"

namespace trelon::test {

struct FakeSeams {
    FakeDialogs dialogs;
    FakeClock clock;
    FakeTimerFactory timers;
    FakeCursor cursor;
    FakeSoundPlayer sound;
    PlatformSeams seams{dialogs, clock, timers, cursor, sound};
};

} // namespace trelon::test
