#!/usr/bin/env bash
# Draws every picture and icon and synthesises every sound afresh into a temporary folder and
# compares each file, byte for byte, with the committed one in assets/, so a drawing changed
# without its files, or a file changed without its drawing, cannot slip through. Exits 1
# naming every file that differs or exists on one side only. It first shows, on made-up assets,
# that it finds each kind of difference. Registered with ctest as PicturesDrift when the drawer
# is built.
#
#   tools/check-pictures.sh <sostav-draw> <assets-dir>
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 <sostav-draw> <assets-dir>" >&2
    exit 2
fi
assets=$2
drawn=$(mktemp -d)
madeUp=$(mktemp -d)
trap 'rm -rf "$drawn" "$madeUp"' EXIT
QT_QPA_PLATFORM=offscreen "$1" "$drawn" || {
    echo "check-pictures: the drawer failed" >&2
    exit 2
}

# Every file that differs between the drawn folder and an assets folder, one line each.
differences() {
    local file name
    for file in "$drawn"/*; do
        name=$(basename "$file")
        if [[ ! -e $1/$name ]]; then
            echo "missing from assets/: $name"
        elif ! cmp -s "$file" "$1/$name"; then
            echo "differs from its drawing: assets/$name"
        fi
    done
    for file in "$1"/*; do
        name=$(basename "$file")
        [[ -e $drawn/$name ]] || echo "not drawn by sostav-draw: assets/$name"
    done
}

# Made-up assets: a sound and a picture with one byte changed, an icon gone, a stray file.
cp "$drawn"/* "$madeUp"
for name in cue-wrong.wav ten.jpg; do
    printf '\xff' | dd of="$madeUp/$name" bs=1 seek=100 conv=notrunc status=none
done
rm "$madeUp/icon-32.png"
: >"$madeUp/old.png"
found=$(differences "$madeUp")
for complaint in "differs from its drawing: assets/cue-wrong.wav" "differs from its drawing: assets/ten.jpg" \
    "missing from assets/: icon-32.png" "not drawn by sostav-draw: assets/old.png"; do
    grep -qxF "$complaint" <<<"$found" || {
        echo "check-pictures: FAIL: on made-up assets it does not say \"$complaint\"" >&2
        exit 2
    }
done
[[ $(grep -c . <<<"$found") == 4 ]] || {
    echo "check-pictures: FAIL: on made-up assets it finds more than was made up: $found" >&2
    exit 2
}

found=$(differences "$assets")
if [[ -z $found ]]; then
    echo "check-pictures: every file in assets/ matches its drawing"
else
    echo "$found"
    echo "check-pictures: build the 'pictures' target and commit assets/, or undo the change" >&2
    exit 1
fi
