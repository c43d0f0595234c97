#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop sees of it. Exits 77
# (skipped) when the validators are missing. The build folder's install_manifest.txt, the
# record of a real install, is left as it was.
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || { echo "skipped: $tool not found (desktop-file-utils, appstream)"; exit 77; }
done
prefix=$(mktemp -d)
# Installing one component writes install_manifest_<component>.txt, never install_manifest.txt.
trap 'rm -rf "$prefix" "$build/install_manifest_Unspecified.txt"' EXIT

cmake --install "$build" --component Unspecified --prefix "$prefix" >/dev/null
test -x "$prefix/bin/sostav"
test -f "$prefix/share/man/man1/sostav.1.gz" || { echo "the man page is not where man looks: share/man/man1"; exit 1; }
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/org.sostav.Sostav.png
    test -f "$icon" || { echo "missing $icon"; exit 1; }
done
entry=$prefix/share/applications/org.sostav.Sostav.desktop
desktop-file-validate "$entry"
grep -qx 'Icon=org.sostav.Sostav' "$entry"
grep -qx 'Categories=Education;Math;' "$entry"
appstreamcli validate --no-net "$prefix"/share/metainfo/org.sostav.Sostav.metainfo.xml
echo "installed and valid"
