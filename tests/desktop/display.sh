# Sourced by the desktop checks in bash: virtual displays, a window manager, the windows on them,
# each waited for as long as a loaded machine needs (30 s).
pids=()
work=$(mktemp -d)
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
# A display of the given size as DISPLAY, with the given window manager (if any) on it. The server
# writes its number once it takes connections; one that reset as a client left would refuse the next.
desktop() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null & pids+=($!)
    local end=$((SECONDS + 30))
    until [ -s "$work/display" ] || [ $SECONDS -ge $end ]; do sleep 0.1; done
    DISPLAY=":$(cat "$work/display")"; export DISPLAY; : >"$work/display"
    xprop -root >/dev/null 2>&1 || { echo "FAIL: the X server did not start"; exit 1; }
    wm=${2:-}; [ -z "$wm" ] || { "$wm" --replace $([[ $wm == *mutter ]] && echo --x11) >/dev/null 2>&1 & pids+=($!); }
    until [ -z "$wm" ] || xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#'; do
        [ $SECONDS -lt $end ] || { echo "FAIL: ${wm##*/} did not start"; exit 1; }; sleep 0.1
    done
}
# The visible window of that name once a window manager has it and it stays put. Debian 12's
# xdotool dies of a window that goes away while it searches (a frame does whenever a screen gives
# way to another), so `search --sync` could give up at once: each look is a search of its own.
window() {
    local id at was end=$((SECONDS + 30))
    while [ $SECONDS -lt $end ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        was=${at:-}; at=$([ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep Absolute)
        [ -n "$at" ] && [ "$at" = "$was" ] && { [ -z "$wm" ] || xprop -id "$id" WM_STATE | grep -q Normal; } && echo "$id" && return
        sleep 0.3
    done
    echo "FAIL: no window named $1 appeared" >&2; return 1
}
