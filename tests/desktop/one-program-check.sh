#!/bin/bash
# A launcher clicked twice gives one program: on a session bus of its own, with metacity on
# a virtual display, a second start brings the running program's current screen to the front
# as it was left and ends at once; without a session bus every start is a program of its own.
# Usage: one-program-check.sh <path-to-sostav>   (exit 77: a needed tool is missing)
set -u
bin=${1:?usage: one-program-check.sh <path-to-sostav>}
for tool in Xvfb metacity xdotool xprop import dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
[ -n "${ONE_PROGRAM_BUS:-}" ] || ONE_PROGRAM_BUS=1 exec dbus-run-session -- bash "$0" "$@"

pids=()
work=$(mktemp -d)
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null & pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
metacity --replace >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#' && break; sleep 0.1; done
status=0
fail() { echo "FAIL: $*"; status=1; }

"$bin" & first=$!; pids+=("$first")
menu=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form1$' | head -n1)
xdotool mousemove --window "$menu" 364 60 click 1 # "Состав числа 10"
ten=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form3$' | head -n1)
sleep 0.5
xdotool mousemove --window "$ten" 100 210 click 1 type 7
import -window "$ten" "$work/before.png"
xdotool windowminimize --sync "$ten"

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
