#!/usr/bin/env bash
# The layers include one way only: rules < shell < exercises < app. A file that reaches up
# a layer, or a Qt header in the rules, fails here before it can tangle the build.
set -uo pipefail
cd "$(dirname "$0")/.."
bad=$(grep -rnE '#include ["<](exercises|app)/' shell
    grep -rnE '#include ["<]app/' exercises
    grep -rnE '#include <Q|#include ["<](shell|exercises/[A-Z]|app)' exercises/rules)
[[ -z $bad ]] || { echo "includes against the layers:"; echo "$bad"; exit 1; }
