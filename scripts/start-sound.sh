#!/usr/bin/env bash
# Starts a PulseAudio sound server for this user when none answers, for the sound tests and a
# machine without a desktop session: it keeps running when idle and, where no sound card is,
# plays into PulseAudio's own null output. Under CI a server that cannot be started fails the
# set-up; elsewhere it says so and the sound test skips.
set -uo pipefail
if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
    echo "start-sound: pulseaudio is not installed" >&2
    [ "${CI:-}" = true ] && exit 1
    exit 0
fi
pactl info >/dev/null 2>&1 || pulseaudio --daemonize=yes --exit-idle-time=-1 2>/dev/null
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && exit 0; sleep 0.2; done
echo "start-sound: the PulseAudio sound server could not be started" >&2
[ "${CI:-}" = true ] && exit 1
exit 0
