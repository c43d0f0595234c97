#!/usr/bin/env bash
# The Debian package as built, unpacked into a scratch root as a desktop meets it: its
# dependencies, its menu entry and AppStream file naming each other by one id, and the entry's
# command, started on a virtual display and a bus of its own, holding that id's bus name and
# loading the unpacked sound module on its first check. Usage: install-check.sh <build-dir>
set -uo pipefail
build=$(cd "$1" && pwd)
for tool in desktop-file-validate appstreamcli cpack dpkg-deb Xvfb xdotool xwininfo xprop dbus-run-session dbus-send; do
    command -v $tool >/dev/null || { echo "skip: $tool is not installed"; exit 77; }
done
[ -n "${INSTALL_CHECK_BUS:-}" ] || INSTALL_CHECK_BUS=1 exec dbus-run-session -- bash "$0" "$@"
. "$(dirname "$0")/desktop/display.sh"
fail() { echo "FAIL: $*"; exit 1; }

# Packing installs into the build folder's own record of a real install; that is put back.
cp -p "$build/install_manifest.txt" "$work/manifest" 2>/dev/null
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
rm -f "$build/install_manifest.txt"; mv "$work/manifest" "$build/install_manifest.txt" 2>/dev/null
root=$work/root share=$work/root/usr/share
dpkg-deb -x "$work"/*.deb "$root"
depends=$(dpkg-deb -f "$work"/*.deb Depends)
# What the program loads by name at run time, and what dpkg-shlibdeps finds for it and its sound module.
run=$(sed -n 's/^run: //p' "$(dirname "$0")/../setup/packages")
for package in $run libc6 libqt6widgets6; do
    [[ ", $depends," =~ ", $package"[\ ,] ]] || fail "the package does not depend on $package: Depends: $depends"
done

id=$(sed -n 's:^ *<id>\(.*\)</id>$:\1:p' "$share"/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "no valid AppStream file named by its id $id"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$share/metainfo/$id.metainfo.xml")
[ "$launchable" = "$id.desktop" ] && [ -f "$share/applications/$launchable" ] || fail "the launchable $launchable is no installed menu entry $id.desktop"
entry=$share/applications/$id.desktop
desktop-file-validate "$entry" || fail "$entry"
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Terminal)" != true ] || fail "the menu entry opens a terminal"
for size in 16 32 48 64 128 256; do [ -f "$share/icons/hicolor/${size}x$size/apps/$(key Icon).png" ] || fail "no icon $(key Icon)"; done
[ -f "$share/man/man1/sostav.1.gz" ] || fail "the man page is not where man looks: share/man/man1"

# The menu entry's command, its field codes left out, from the installed bin folder.
read -r -a command <<<"$(key Exec | sed 's/ %[fFuUick]//g')"
[[ ${command[0]} == /* ]] && program=$root${command[0]} || program=$root/usr/bin/${command[0]}
[ -x "$program" ] || fail "the menu entry's Exec=$(key Exec) is not an installed program"
desktop 1366x768
"$program" "${command[@]:1}" 2>"$work/stderr" & app=$!; pids+=($app)
menu=$(window '^Form1$') || fail "the installed program shows no menu: $(cat "$work/stderr")"
xprop -id "$menu" WM_CLASS | grep -q ", \"$(key StartupWMClass)\"$" \
    || fail "the menu's $(xprop -id "$menu" WM_CLASS), the menu entry's StartupWMClass=$(key StartupWMClass)"
dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner \
    string:"$id" | grep -q 'boolean true' || fail "the installed program holds no bus name $id"
xdotool mousemove --window "$menu" 364 60 click 1 # "Состав числа 10", then "ПРОВЕРКА"
ten=$(window '^Form3$') || exit 1
xdotool mousemove --window "$ten" 112 332 click 1
for _ in $(seq 100); do # any file of the package but the program itself
    module=$(grep -v " $program\$" /proc/$app/maps | grep -m1 -o " $root/.*") && break; sleep 0.2
done
[ -n "$module" ] || fail "the installed program's first check loaded no installed module: $(cat "$work/stderr")"
kill -0 $app 2>/dev/null || fail "the program ended after its first check: $(cat "$work/stderr")"
# What the run-time group is there for, the program maps: a font, a translation.
owners=$(dpkg -S $(awk '$6 ~ "^/usr/share/" {print $6}' /proc/$app/maps | sort -u) 2>/dev/null | cut -d: -f1)
for package in $run; do
    grep -qx "$package" <<<"$owners" || fail "the running program loads nothing of $package, only of" $owners
done
echo "installed as a desktop starts it: ${command[*]}, bus name $id, first check loaded ${module#" $root"}"
