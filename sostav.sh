#!/usr/bin/env bash
# Sets up what a fresh Debian 12 machine lacks, builds, then starts the program or runs
# every test.
#   ./sostav.sh start   build and start build/sostav
#   ./sostav.sh test    build and run every test (ctest)
# SOSTAV_BUILD=<dir> picks another build folder; SOSTAV_SANITIZE=1 builds that folder with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-start}
if [[ $action != start && $action != test ]]; then
    echo "usage: $0 [start|test]" >&2
    exit 2
fi
build=${SOSTAV_BUILD:-build}

# What building and running the program needs: the compiler and Qt (Qt Multimedia for the
# verdicts' cues), the fonts the screens are drawn in and Qt's Russian translation.
packages=(build-essential cmake qt6-base-dev qt6-multimedia-dev fonts-liberation2 qt6-translations-l10n)
# What only the tests need: the fuzzer's compiler, the validators of the installed desktop
# files, and a real desktop to try the program on: an X server, a window manager, a way to
# press its buttons, the accessibility bus a screen reader listens on, and a sound server
# whose output can be recorded.
test_packages=(clang libclang-rt-14-dev desktop-file-utils appstream
    xvfb metacity xdotool x11-utils at-spi2-core dbus python3-pyatspi pulseaudio pulseaudio-utils)
[[ $action == test ]] && packages+=("${test_packages[@]}")

setup/ensure-packages.sh "${packages[@]}"

sanitize=OFF
[[ ${SOSTAV_SANITIZE:-0} == 1 ]] && sanitize=ON
cmake -S . -B "$build" -DSOSTAV_SANITIZE=$sanitize >/dev/null
cmake --build "$build" -j"$(nproc)"

if [[ $action == start ]]; then
    exec "$build/sostav"
fi
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
