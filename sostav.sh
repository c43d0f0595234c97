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

# Building and running need the groups "run" and "build" of setup/packages, the tests "test" too.
groups=(run build)
[[ $action == test ]] && groups+=(test)
setup/ensure-packages.sh "${groups[@]}"

sanitize=OFF
[[ ${SOSTAV_SANITIZE:-0} == 1 ]] && sanitize=ON
# The tests include drawing the pictures afresh and comparing them with assets/.
tools=()
[[ $action == test ]] && tools=(-DSOSTAV_TOOLS=ON)
cmake -S . -B "$build" -DSOSTAV_SANITIZE=$sanitize "${tools[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

if [[ $action == start ]]; then
    exec "$build/sostav"
fi
# A check that cannot run exits 77 and ctest counts it skipped, yet still sums up "100% tests
# passed". Here every package the checks need has just been installed: a skip fails the run.
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" | tee "$build/ctest.log"
if grep -q '(Skipped)$' "$build/ctest.log"; then
    echo "sostav.sh: the checks marked Skipped did not run; this run does not show what they check" >&2
    exit 1
fi
