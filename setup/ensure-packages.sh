#!/usr/bin/env bash
# Installs those Debian packages of the named groups in setup/packages that are not installed
# yet (apt-get, as root or through sudo). Shared by sostav.sh and the benchmarks.
#   setup/ensure-packages.sh run build [test] [bench]
set -euo pipefail
list=$(dirname "$0")/packages

missing=()
for group in "$@"; do
    line=$(grep "^$group: " "$list") || { echo "$0: no group '$group' in $list" >&2; exit 2; }
    for p in ${line#*: }; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
done
((${#missing[@]})) || exit 0
echo "Installing: ${missing[*]}"
sudo=()
((EUID == 0)) || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
