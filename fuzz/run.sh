#!/usr/bin/env bash
# Builds the answer-rules fuzzer (libFuzzer, ASan, UBSan) and runs it 60 s, or N seconds, or
# with libFuzzer's own options; non-zero on a finding. Build, corpus and findings live in
# ${FUZZ_BUILD:-<repo>/fuzz-build}; replay one with <build>/RulesFuzzer <finding>.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$here")
build=${FUZZ_BUILD:-$repo/fuzz-build}
cxx=${FUZZ_CXX:-$(command -v clang++-14 || command -v clang++)}
limits=("$@")
[[ $# -eq 0 ]] && limits=(-max_total_time=60)
[[ ${1:-} =~ ^[0-9]+$ ]] && limits=(-max_total_time="$1" "${@:2}")

mkdir -p "$build/corpus" "$build/findings"
"$cxx" -std=c++20 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS -I "$repo" "$here/RulesFuzzer.cpp" "$repo"/exercises/rules/*.cpp \
    -o "$build/RulesFuzzer"
# New inputs go to the first folder; the seeds in the source tree are only read.
exec "$build/RulesFuzzer" -timeout=10 -max_len=4096 -print_final_stats=1 -dict="$here/RulesFuzzer.dict" \
    -artifact_prefix="$build/findings/" "${limits[@]}" "$build/corpus" "$here/corpus"
