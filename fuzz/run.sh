#!/usr/bin/env bash
# Builds the answer-rules fuzzer with clang's libFuzzer (plus AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for a bounded time; exits non-zero on any finding.
#
#   bash fuzz/run.sh                  # about a minute, as the CI runs it
#   bash fuzz/run.sh 3600             # an hour
#   bash fuzz/run.sh -runs=5000000    # anything starting with '-' goes to libFuzzer as is,
#   bash fuzz/run.sh -max_total_time=28800 -jobs=4 -workers=4   # e.g. a night on four cores
#
# The build, the corpus grown over runs and any findings live outside the source tree in
# ${FUZZ_BUILD:-<repo>/fuzz-build}; findings are written as findings/crash-* etc. and
# are replayed with: <build>/RulesFuzzer <build>/findings/crash-...
# The compiler is ${FUZZ_CXX:-clang++-14}, falling back to clang++.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
build=${FUZZ_BUILD:-$repo/fuzz-build}
cxx=${FUZZ_CXX:-$(command -v clang++-14 || command -v clang++ || true)}
if [[ -z $cxx ]]; then
    echo "fuzz/run.sh: no clang++ found; set FUZZ_CXX" >&2
    exit 2
fi

if [[ $# -eq 0 ]]; then
    limits=(-max_total_time=60)
elif [[ $1 =~ ^[0-9]+$ ]]; then
    limits=(-max_total_time="$1")
    shift
    limits+=("$@")
else
    limits=("$@")
fi

mkdir -p "$build/corpus" "$build/findings"
"$cxx" -std=c++20 -g -O1 -Wall -Wextra -Werror \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
    -D_GLIBCXX_ASSERTIONS -I "$repo" \
    "$here/RulesFuzzer.cpp" "$repo"/exercises/rules/*.cpp \
    -o "$build/RulesFuzzer"

# New inputs go to the first folder; the seeds in the source tree are only read.
exec "$build/RulesFuzzer" -timeout=10 -max_len=4096 -print_final_stats=1 -dict="$here/RulesFuzzer.dict" \
    -artifact_prefix="$build/findings/" "${limits[@]}" "$build/corpus" "$here/corpus"
