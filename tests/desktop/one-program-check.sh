#!/bin/bash
# A launcher clicked twice gives one program: on a session bus of its own, with a window
# manager that prevents focus stealing (metacity; ONE_PROGRAM_WM=marco or muffin for another)
# on a virtual display, a second start brings the running program's current screen to the
# front as it was left, over a window the child clicked in since, and ends at once: with the
# launcher's time in its startup id, and without one. A launch older than that click leaves
# the screen behind. A stopped program or a stopped bus costs a start at most its bound.
# Usage: one-program-check.sh <path-to-sostav>   (exit 77: a needed tool is missing)
set -u
bin=${1:?usage: one-program-check.sh <path-to-sostav>}
wm=${ONE_PROGRAM_WM:-metacity}
for tool in Xvfb "$wm" xdotool xprop xdpyinfo import dbus-run-session dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
[ -n "${ONE_PROGRAM_BUS:-}" ] || ONE_PROGRAM_BUS=1 exec dbus-run-session -- bash "$0" "$@" 2>/dev/null

pids=()
work=$(mktemp -d)
trap 'kill -CONT "${pids[@]}" 2>/dev/null; kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null & pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && xdpyinfo -display ":$(cat "$work/display")" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
"$wm" --replace >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#' && break; sleep 0.1; done
status=0
fail() { echo "FAIL: $*"; status=1; }
since() { echo "$((($(date +%s%N) - $1) / 1000000)) ms"; }
# When the child last clicked the other program's window: Qt notes it on the window for the
# window manager, on a window of its own where the manager takes it there.
clicked() {
    local at; at=$(xprop -id "$away" _NET_WM_USER_TIME_WINDOW | grep -o '0x[0-9a-f]*')
    xprop -id "${at:-$away}" _NET_WM_USER_TIME | grep -o '[0-9]*$'
}
active() { xdotool getactivewindow getwindowname 2>/dev/null; }

"$bin" & pids+=($!); first=$!
menu=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form1$' | head -n1)
xdotool mousemove --window "$menu" 364 60 click 1 # "Состав числа 10"
ten=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form3$' | head -n1)
sleep 0.5
xdotool mousemove --window "$ten" 100 210 click 1 type 7; sleep 0.5
import -window "$ten" "$work/before.png"
# What the child turns to: the menu of another program, one without the bus, over the screen.
DBUS_SESSION_BUS_ADDRESS=disabled: "$bin" & pids+=($!)
away=$(timeout 30 xdotool search --sync --onlyvisible --pid $! --name '^Form1$' | head -n1)

second() { # <launched: before or after the click, or none> <the window in front a second later>
    xdotool windowactivate --sync "$away" mousemove --window "$away" 20 20 click 1; sleep 0.2
    local id=${1/before/sostav-check_TIME$(($(clicked) - 1))} start=$(date +%s%N)
    id=${id/after/sostav-check_TIME$(($(clicked) + 1))}
    DESKTOP_STARTUP_ID=${id#none} timeout 10 "$bin" || fail "the second start ($id) did not end at once"
    echo "second start ($id): ended after $(since "$start")"
    for _ in $(seq 10); do [ "$(active)" = "$2" ] && [ "$2" = Form3 ] && break; sleep 0.1; done
    [ "$(active)" = "$2" ] || fail "after a start with $id, $(active) is in front rather than $2"
}
second before Form1
second after Form3
import -window "$ten" "$work/after.png"
# What was typed and where stay as they were: no more than its box's blinking text cursor differs.
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)
[ "${changed%%[^0-9]*}" -lt 200 ] 2>/dev/null || fail "the screen changed in $changed pixels"
xdotool windowminimize --sync "$ten"
second none Form3
kill "${pids[-1]}"

alone() { # <what is stopped>: a start shows a menu of its own
    local start; start=$(date +%s%N)
    "$bin" & local own=$!
    timeout 10 xdotool search --sync --onlyvisible --pid $own --name '^Form1$' >/dev/null \
        && echo "with $1 stopped: a menu of its own after $(since "$start")" || fail "with $1 stopped, no menu in 10 s"
    kill $own
}
kill -STOP "$first"
alone "the running program"
kill -CONT "$first"
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" & pids+=($!)
for _ in $(seq 50); do [ -s "$work/bus" ] && kill -STOP $! && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus") alone "the session bus"
[ "$status" = 0 ] && echo "one program: PASS"
exit "$status"
