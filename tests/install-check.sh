#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop sees of it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/sostav"
for size in 16 32 48 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/sostav.png"
    test -f "$icon" || { echo "missing $icon"; exit 1; }
done
desktop-file-validate "$prefix"/share/applications/org.sostav.Sostav.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/org.sostav.Sostav.metainfo.xml
grep -qx 'Categories=Education;Math;' "$prefix"/share/applications/org.sostav.Sostav.desktop
echo "installed and valid"
