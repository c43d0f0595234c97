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
    # The fuzzer, the desktop-file checks and the on-screen checks need a little more.
    packages+=(clang libclang-rt-14-dev desktop-file-utils appstream xvfb)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

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
