#!/usr/bin/env bash
# The layers include one way only: rules < shell < exercises < app. A file that reaches up
# a layer, or a Qt header in the rules, fails here before it can tangle the build. Usage:
# layers-check.sh <source-root>; it first proves itself on made-up trees, one upward include each.
set -uo pipefail
# What reaches up under a root, with grep's complaints: a folder that is not there fails too.
upward() {
    (cd "$1" && grep -rnE '#include ["<](exercises|app)/' shell
        grep -rnE '#include ["<]app/' exercises
        grep -rnE '#include <Q|#include ["<](shell|exercises/[A-Z]|app)' exercises/rules) 2>&1
}
for include in shell:exercises/Form3.h shell:app/AllScreens.h exercises:app/AllScreens.h exercises/rules:QString \
    exercises/rules:shell/Screen.h exercises/rules:exercises/Form3.h; do
    tree=$(mktemp -d); mkdir -p "$tree"/{shell,exercises/rules,app}
    echo "#include <${include#*:}>" >"$tree/${include%%:*}/Up.h"
    found=$(upward "$tree"); rm -rf "$tree"
    [[ $found == *Up.h* ]] || { echo "FAIL: the check misses ${include#*:} in ${include%%:*}/"; exit 1; }
done
bad=$(upward "${1:?usage: layers-check.sh <source-root>}")
[[ -z $bad ]] || { echo "includes against the layers:"; echo "$bad"; exit 1; }
