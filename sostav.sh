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
build=${SOSTAV_BUILD:-build}

packages=(build-essential cmake qt6-base-dev fonts-liberation2)
if [[ $action == test ]]; then
    # The fuzzer and the checks of the installed desktop files need a little more.
    packages+=(clang libclang-rt-14-dev desktop-file-utils appstream)
fi

tools/ensure-packages.sh "${packages[@]}"

sanitize=OFF
[[ ${SOSTAV_SANITIZE:-0} == 1 ]] && sanitize=ON
cmake -S . -B "$build" -DSOSTAV_SANITIZE=$sanitize >/dev/null
cmake --build "$build" -j"$(nproc)"

case $action in
start) exec "$build/sostav" ;;
test) ctest --test-dir "$build" --output-on-failure -j"$(nproc)" ;;
*)
    echo "usage: $0 [start|test]" >&2
    exit 2
    ;;
esac
