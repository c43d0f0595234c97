#!/bin/bash
# A launcher clicked twice gives one program: on a session bus of its own, with metacity on
# a virtual display, a second start brings the running program's current screen to the front
# as it was left and ends at once; without a session bus every start is a program of its own.
# Usage: one-program-check.sh <path-to-sostav>   (exit 77: a needed tool is missing)
set -u
bin=${1:?usage: one-program-check.sh <path-to-sostav>}
for tool in Xvfb metacity xdotool xprop xwininfo import dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
[ -n "${ONE_PROGRAM_BUS:-}" ] || ONE_PROGRAM_BUS=1 exec dbus-run-session -- bash "$0" "$@"

. "$(dirname "$0")/display.sh"
desktop 1366x768 metacity
export QT_QPA_PLATFORM=xcb
status=0
fail() { echo "FAIL: $*"; status=1; }

"$bin" & first=$!; pids+=("$first")
menu=$(window '^Form1$') || exit 1
xdotool mousemove --window "$menu" 364 60 click 1 # "Состав числа 10"
ten=$(window '^Form3$') || exit 1
xdotool mousemove --window "$ten" 100 210 click 1 type 7
import -window "$ten" "$work/before.png"
timeout 10 xdotool windowminimize --sync "$ten"

start=$(date +%s%N)
timeout 10 "$bin"; second=$?
took=$((($(date +%s%N) - start) / 1000000))
echo "second start: exit status $second after $took ms"
[ "$second" = 0 ] || fail "the second start did not end at once"
kill -0 "$first" 2>/dev/null || fail "the first program ended"
for _ in $(seq 50); do [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = Form3 ] && break; sleep 0.1; done
active=$(xdotool getactivewindow getwindowname 2>/dev/null)
echo "on display and active afterwards: $active"
[ "$active" = Form3 ] || fail "the running program's screen did not come to the front"
import -window "$ten" "$work/after.png"
cmp -s <(convert "$work/before.png" rgb:-) <(convert "$work/after.png" rgb:-) || fail "the screen changed"

# Without a session bus the desktop has no way to find the running program.
DBUS_SESSION_BUS_ADDRESS=disabled: timeout 3 "$bin" 2>/dev/null
[ $? = 124 ] || fail "without a session bus, a start did not make a program of its own"
[ "$status" = 0 ] && echo "one program: PASS"
exit "$status"
