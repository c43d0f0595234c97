#!/usr/bin/env bash
# Started where there is no display, the program says so in one line and exits with 1.
set -uo pipefail
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1 >/dev/null)
status=$?
[[ $status == 1 ]] || { echo "exit status $status, expected 1"; exit 1; }
[[ $(grep -c . <<<"$err") == 1 && $err == *display* ]] || { echo "unexpected message: $err"; exit 1; }
# A display that cannot be reached is the same kind of problem.
err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:254 "$1" 2>&1 >/dev/null)
status=$?
[[ $status == 1 ]] || { echo "exit status $status with an unreachable display, expected 1"; exit 1; }
grep -q "display :254" <<<"$err" || { echo "unexpected message: $err"; exit 1; }
echo "no display: $err"
# A Wayland display left named after its compositor has gone says so, not that a plugin failed.
if [[ -n $(find /usr/lib -path "*/platforms/libqwayland*" -print -quit 2>/dev/null) ]]; then
    err=$(env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=sostav-gone XDG_RUNTIME_DIR="$(mktemp -d)" "$1" 2>&1 >/dev/null)
    [[ $? == 1 && $(grep -c . <<<"$err") == 1 && $err == *"Wayland display sostav-gone"* ]] || { echo "unexpected: $err"; exit 1; }
    echo "stale Wayland display: $err"
fi
# A platform chosen by name needs no display variable at all.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 2 "$1" >/dev/null 2>&1
[[ $? == 124 ]] || { echo "QT_QPA_PLATFORM alone did not start the program"; exit 1; }
