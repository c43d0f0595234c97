#!/usr/bin/env bash
# Where no window can be opened, the program says why in one line and exits with 1.
set -uo pipefail
bin=${1:?usage: no-display-check.sh <path-to-sostav>}
# Started with the given environment, the program's one line matches the pattern.
says() {
    local pattern=$1; shift
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$bin" 2>&1 >/dev/null)
    status=$?
    [[ $status == 1 && $(grep -c . <<<"$err") == 1 && $err == $pattern ]] \
        || { echo "FAIL with ${*:-no display}: exit status $status, said: $err"; exit 1; }
    echo "${*:-no display}: $err"
}
says '*display*'
says '*X display :254' DISPLAY=:254
# A platform misspelt names itself and the ones there are, not Qt's advice to reinstall.
says '*"bogus"*xcb*' QT_QPA_PLATFORM=bogus
# A Wayland display left named after its compositor has gone says so, not that a plugin failed.
if [[ -n $(find /usr/lib -path "*/platforms/libqwayland*" -print -quit 2>/dev/null) ]]; then
    says '*Wayland display sostav-gone' WAYLAND_DISPLAY=sostav-gone XDG_RUNTIME_DIR="$(mktemp -d)"
fi
# A platform chosen by name needs no display variable at all.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 2 "$bin" >/dev/null 2>&1
[[ $? == 124 ]] || { echo "QT_QPA_PLATFORM alone did not start the program"; exit 1; }
