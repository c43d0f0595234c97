#!/usr/bin/env bash
# Builds the program and its benchmarks (Release, in build-bench/) and runs them all:
# answer reading (TextValue), click to painted screen (offscreen), and start-up time and
# peak memory against the bare Qt floor (under its own Xvfb). Prints a summary at the end.
#   bash bench/run.sh                  everything, 30 start-up runs of each program
#   STARTUP_RUNS=40 bash bench/run.sh  more start-up runs (at least 10)
# SOSTAV_BENCH_BUILD=<dir> picks another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${SOSTAV_BENCH_BUILD:-build-bench}
startup_runs=${STARTUP_RUNS:-30}

setup/ensure-packages.sh build-essential cmake qt6-base-dev qt6-multimedia-dev fonts-liberation2 qt6-translations-l10n xvfb python3 python3-xlib

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DSOSTAV_BENCH=ON >/dev/null
bin=$build/bench
program=$build/sostav
cmake --build "$build" -j"$(nproc)" --target sostav sostav-floor sostav-click-bench sostav-textvalue-bench

runtime=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$runtime" "$log"' EXIT
export XDG_RUNTIME_DIR=$runtime

section() { printf '\n== %s\n' "$1" | tee -a "$log"; }

version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo unknown; }
section "machine"
{
    echo "CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) processors available"
    echo "System: Debian $(cat /etc/debian_version), Linux $(uname -r), Qt $(version libqt6core6), Xvfb $(version xvfb)"
    echo "Load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
} | tee -a "$log"

section "TextValue"
"$bin/sostav-textvalue-bench" | tee -a "$log"

section "click to painted screen"
QT_QPA_PLATFORM=offscreen "$bin/sostav-click-bench" | tee -a "$log"

section "start-up and peak memory"
/usr/bin/python3 bench/startup.py --runs "$startup_runs" --floor "$bin/sostav-floor" \
    --program "sostav=$program" | tee -a "$log"

section "summary"
grep -E '^target' "$log" | sed 's/^target: /  /'
if grep -q '^target.*MISSED' "$log"; then
    echo "At least one target was missed (see above)."
else
    echo "Every target was met."
fi
