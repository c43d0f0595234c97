#!/usr/bin/env bash
# Draws every picture and icon afresh into a temporary folder and compares each, byte for
# byte, with the committed file in assets/, so a drawing changed without its files, or a file
# changed without its drawing, cannot slip through. Exits 1 naming every file that differs or
# exists on one side only. Registered with ctest as PicturesDrift when the drawer is built.
#
#   tools/check-pictures.sh <sostav-draw> <assets-dir>
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 <sostav-draw> <assets-dir>" >&2
    exit 2
fi
assets=$2
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
QT_QPA_PLATFORM=offscreen "$1" "$drawn" || {
    echo "check-pictures: the drawer failed" >&2
    exit 2
}

status=0
for file in "$drawn"/*; do
    name=$(basename "$file")
    if [[ ! -e $assets/$name ]]; then
        echo "missing from assets/: $name"
        status=1
    elif ! cmp -s "$file" "$assets/$name"; then
        echo "differs from its drawing: assets/$name"
        status=1
    fi
done
for file in "$assets"/*; do
    name=$(basename "$file")
    if [[ ! -e $drawn/$name ]]; then
        echo "not drawn by sostav-draw: assets/$name"
        status=1
    fi
done

if ((status == 0)); then
    echo "check-pictures: every file in assets/ matches its drawing"
else
    echo "check-pictures: build the 'pictures' target and commit assets/, or undo the change" >&2
fi
exit "$status"
