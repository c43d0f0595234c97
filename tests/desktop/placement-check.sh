#!/bin/bash
# Under a real window manager (metacity; PLACEMENT_WM=openbox or mutter for another) on a
# virtual display: five trips menu -> "Состав числа 10" -> back leave both windows at their
# stored places, at 125 % on 1366x768 the menu's whole frame is on the screen, and on a
# netbook's 1024x600 under a 27-pixel panel every screen is whole beside the panel.
# Usage: placement-check.sh <path-to-sostav>   (exit 77: a needed tool is missing)
set -u
bin=${1:?usage: placement-check.sh <path-to-sostav>}
/usr/bin/python3 -c "import Xlib" 2>/dev/null || { echo "skip: python3-xlib is not installed"; exit 77; }
for tool in Xvfb xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
manager=$(command -v "${PLACEMENT_WM:-metacity}") || { echo "skip: ${PLACEMENT_WM:-metacity} is not installed"; exit 77; }
. "$(dirname "$0")/display.sh"
desktop 1366x768 "$manager"
echo "window manager: ${wm##*/} on $DISPLAY"

shown() { window "^$1\$"; }
# Client area's top-left corner on the desktop, as the X server has it.
client() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x","y}'; }
# The window's frame, left top right bottom on the desktop.
frame() {
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | awk -F' = ' '{gsub(",", ""); print $2}')
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')
    echo $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))
}
# Presses the button whose centre lies at the given client coordinates (pixels at scale 1).
press() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

"$bin" & app=$!; pids+=("$app")
status=0
printf '%-6s %-10s %-10s\n' trip Form1 Form3
for trip in 0 1 2 3 4 5; do
    menu=$(shown Form1) || exit 1; at1=$(client "$menu")
    first1=${first1:-$at1}; [ "$at1" = "$first1" ] || status=1
    [ "$trip" = 5 ] && { printf '%-6s %-10s\n' "$trip" "$at1"; break; }
    press "$menu" 364 60
    sheet=$(shown Form3) || exit 1; at3=$(client "$sheet")
    first3=${first3:-$at3}; [ "$at3" = "$first3" ] || status=1
    printf '%-6s %-10s %-10s\n' "$trip" "$at1" "$at3"
    press "$sheet" 660 328
done
kill "$app"; wait "$app" 2>/dev/null
[ "$status" = 0 ] || echo "FAIL: a screen did not come back where it first opened"
# Where the menu and the screen for 10 are stored to open, at 15 twips to the pixel.
[ "$first1 $first3" = "307,266 310,257" ] || { echo "FAIL: not opened at the stored positions"; status=1; }

QT_SCALE_FACTOR=1.25 "$bin" & app=$!; pids+=("$app")
for round in first again; do
    menu=$(shown Form1) || exit 1
    read -r left top right bottom < <(frame "$menu")
    echo "scale 1.25, menu shown $round: frame from $left,$top to $right,$bottom on 1366x768"
    if [ "$left" -lt 0 ] || [ "$top" -lt 0 ] || [ "$right" -gt 1366 ] || [ "$bottom" -gt 768 ]; then
        echo "FAIL: the menu's frame reaches beyond the screen"; status=1
    fi
    [ "$round" = again ] && break
    press "$menu" 455 75
    sheet=$(shown Form3) || exit 1; press "$sheet" 825 410
done
kill "$app"; wait "$app" 2>/dev/null

# A netbook with a panel along its top, as a desktop shell has: a dock reserving 27 pixels.
desktop 1024x600 "$manager"
/usr/bin/python3 - <<'PANEL' & pids+=($!)
from Xlib import display, X
d = display.Display(); s = d.screen()
w = s.root.create_window(0, 0, 1024, 27, 0, s.root_depth, X.InputOutput, background_pixel=s.black_pixel)
atom = d.intern_atom
w.change_property(atom("_NET_WM_WINDOW_TYPE"), atom("ATOM"), 32, [atom("_NET_WM_WINDOW_TYPE_DOCK")])
w.change_property(atom("_NET_WM_STRUT_PARTIAL"), atom("CARDINAL"), 32, [0, 0, 27, 0, 0, 0, 0, 0, 0, 1023, 0, 0])
w.map(); d.sync()
import time; time.sleep(600)
PANEL
end=$((SECONDS + 30))
until xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= 0, 27,'; do
    [ $SECONDS -lt $end ] || { echo "FAIL: the panel took no room"; exit 1; }; sleep 0.1
done
"$bin" & app=$!; pids+=("$app")
for opener in Form3:60 Form7:148 Form8:236 Form6:324; do
    name=${opener%:*}
    menu=$(shown Form1) || exit 1; press "$menu" 364 "${opener#*:}"
    id=$(window "^$name\$") || exit 1
    read -r left top right bottom < <(frame "$id")
    echo "1024x600 under a panel: $name's frame from $left,$top to $right,$bottom"
    [ -n "${PLACEMENT_SHOTS:-}" ] && import -window root "$PLACEMENT_SHOTS/${wm##*/}-$name.png"
    # The client area the program asked for, and the one the window manager gave.
    asked=$(xprop -id "$id" WM_NORMAL_HINTS | awk '/specified size/{print $4 "x" $6}')
    given=$(xwininfo -id "$id" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
    if [ "$left" -lt 0 ] || [ "$top" -lt 27 ] || [ "$right" -gt 1024 ] || [ "$bottom" -gt 600 ] || [ "$asked" != "$given" ]; then
        echo "FAIL: $name is not whole beside the panel (asked for $asked, given $given)"; status=1
    fi
    timeout 10 xdotool windowactivate --sync "$id" key alt+F4 # the frame's close: back to the menu
done
[ "$status" = 0 ] && echo "placement: PASS"
exit "$status"
