#!/usr/bin/env bash
# Checks an installed ТРЕЛОН-2 from its installed path, as the user running this script, on the
# offscreen platform (each start quits by itself):
#   --help and --version print and end without writing a file;
#   the program starts from its installed path;
#   unless --quick: the program folder cannot be written by this user, so a data folder given
#   once is used and remembered for the next start, and the user is given a settings file of
#   their own; without a sound server the missing sound output is reported once.
# Usage: check-installed.sh [--quick] [path of the installed trelon2, default /usr/bin/trelon2]
set -euo pipefail
quick=false
if [ "${1:-}" = --quick ]; then quick=true; shift; fi
program=${1:-/usr/bin/trelon2}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
cd "$work"
fail() { echo "check-installed: $*" >&2; exit 1; }

"$program" --help | grep -q -- '--data-folder' || fail "--help printed no usage"
"$program" --version | grep -q '^ТРЕЛОН-2 [0-9]' || fail "--version printed no version"
[ "$(find "$work" -mindepth 1 ! -path "$HOME")" = "" ] || fail "--help or --version wrote files"

if $quick; then
    timeout 60 "$program" --quit-after-start || fail "the program did not start and end"
    echo "check-installed: $program starts and ends"
    exit 0
fi

share="$(dirname "$program")/../share/trelon2"
[ -f "$share/Class.ini" ] || fail "no program folder at $share"
[ ! -w "$share" ] || fail "run as a user who cannot write $share"
data="$work/data"
timeout 60 "$program" --data-folder "$data" --quit-after-start || fail "first start failed"
[ -f "$data/People.txt" ] || fail "the first start did not use the data folder $data"
rm "$data/People.txt"
timeout 60 "$program" --quit-after-start 2>"$work/second.log" || fail "second start failed"
if ! pactl info >/dev/null 2>&1; then # no sound server: the operator is told once
    [ "$(grep -c 'устройство вывода звука не найдено' "$work/second.log")" = 1 ] ||
        fail "no single notice of the missing sound output"
fi
[ -f "$data/People.txt" ] || fail "the second start did not remember the data folder $data"
[ -f "$XDG_CONFIG_HOME/trelon/trelon2/Class.ini" ] || fail "no settings file of the user's own"
[ "$(find "$share" -newer "$work/home" -print -quit)" = "" ] || fail "the program folder changed"
echo "check-installed: $program starts as $(id -un) and remembers the data folder $data"
