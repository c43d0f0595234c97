#!/usr/bin/env bash
# Draws every picture and icon afresh and compares each, byte for byte, with the committed file
# in assets/, so a drawing changed without its files, or a file changed without its drawing,
# cannot slip through. Exits 1 naming every file that differs or exists on one side only.
#
#   tools/check-pictures.sh <build-dir>
#
# The build folder is configured with the drawer switched on; only the drawer is built in it.
set -euo pipefail

if (($# != 1)); then
    echo "usage: $0 <build-dir>" >&2
    exit 2
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$1

log=$(mktemp)
drawn=$(mktemp -d)
trap 'rm -rf "$log" "$drawn"' EXIT
if ! cmake -S "$repo" -B "$build" -DSOSTAV_TOOLS=ON -DBUILD_TESTING=OFF >"$log" 2>&1 \
    || ! cmake --build "$build" --target sostav-draw -j "${SOSTAV_JOBS:-2}" >>"$log" 2>&1; then
    cat "$log" >&2
    echo "check-pictures: could not build the drawer" >&2
    exit 2
fi
QT_QPA_PLATFORM=offscreen "$build/tools/sostav-draw" "$drawn" 2>"$log" || {
    cat "$log" >&2
    echo "check-pictures: the drawer failed" >&2
    exit 2
}

# Only pictures are compared: assets/ may also hold files that are not drawn, such as build rules.
is_picture() {
    case "$1" in
    *.jpg | *.jpeg | *.png | *.rgba | *.argb | *.bmp | *.gif | *.svg | *.ico | *.webp) return 0 ;;
    *) return 1 ;;
    esac
}

status=0
for file in "$drawn"/*; do
    name=$(basename "$file")
    if [[ ! -e "$repo/assets/$name" ]]; then
        echo "missing from assets/: $name"
        status=1
    elif ! cmp -s "$file" "$repo/assets/$name"; then
        echo "differs from its drawing: assets/$name"
        status=1
    fi
done
for file in "$repo"/assets/*; do
    name=$(basename "$file")
    if is_picture "$name" && [[ ! -e "$drawn/$name" ]]; then
        echo "not drawn by sostav-draw: assets/$name"
        status=1
    fi
done

if ((status == 0)); then
    echo "check-pictures: every picture in assets/ matches its drawing"
else
    echo "check-pictures: rebuild the 'pictures' target in $build and commit assets/, or undo the change" >&2
fi
exit "$status"
