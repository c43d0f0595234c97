# Sourced by the desktop checks written in bash: virtual displays, a window manager on them and
# the windows that come up there, each waited for as long as a loaded machine may need.
pids=()
work=$(mktemp -d)
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
# A virtual display of the given size as DISPLAY, with the given window manager (if any) on it
# once it has taken the screen. The server writes its number once it takes connections; one
# that reset as the last client left would turn away the next.
desktop() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null & pids+=($!)
    local end=$((SECONDS + 30))
    until [ -s "$work/display" ] || [ $SECONDS -ge $end ]; do sleep 0.1; done
    DISPLAY=":$(cat "$work/display")"; export DISPLAY; : >"$work/display"
    xprop -root >/dev/null 2>&1 || { echo "FAIL: the X server did not start"; exit 1; }
    wm=${2:-}; [ -n "$wm" ] || return 0
    case $wm in *mutter) "$wm" --x11 --replace ;; *) "$wm" --replace ;; esac >/dev/null 2>&1 & pids+=($!)
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#'; do
        [ $SECONDS -lt $end ] || { echo "FAIL: ${wm##*/} did not start"; exit 1; }; sleep 0.1
    done
}
# The visible window whose name matches, once the window manager has it and it stays where it
# is put. Debian 12's xdotool dies of an X error when a window goes away while it searches (a
# frame does whenever one screen gives way to another), which turned `search --sync` into an
# early "not found": each look is a search of its own.
window() {
    local id at was end=$((SECONDS + 30))
    while [ $SECONDS -lt $end ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        was=${at:-}; at=$([ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep Absolute)
        if [ -n "$at" ] && [ "$at" = "$was" ] && { [ -z "$wm" ] || xprop -id "$id" WM_STATE 2>/dev/null | grep -q Normal; }; then
            echo "$id"; return 0
        fi
        sleep 0.3
    done
    echo "FAIL: no window named $1 appeared" >&2; return 1
}
