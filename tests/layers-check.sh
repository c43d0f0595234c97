#!/usr/bin/env bash
# The layers include one way only: rules < shell < exercises < app. A file that reaches up
# a layer, or a Qt header in the rules, fails here before it can tangle the build.
# Usage: layers-check.sh <source-root>. First it proves itself on made-up trees, one upward
# include each, so that a check that looks in the wrong place cannot pass unnoticed.
set -uo pipefail
upward() {
    (cd "$1" && grep -rnE '#include ["<](exercises|app)/' shell
        grep -rnE '#include ["<]app/' exercises
        grep -rnE '#include <Q|#include ["<](shell|exercises/[A-Z]|app)' exercises/rules)
}
for include in shell:exercises/Form3.h shell:app/AllScreens.h exercises:app/AllScreens.h exercises/rules:QString \
    exercises/rules:shell/Screen.h exercises/rules:exercises/Form3.h; do
    tree=$(mktemp -d); mkdir -p "$tree"/{shell,exercises/rules,app}
    echo "#include <${include#*:}>" >"$tree/${include%%:*}/Up.h"
    found=$(upward "$tree" 2>&1); rm -rf "$tree"
    [[ $found == *Up.h* ]] || { echo "FAIL: the check misses ${include#*:} in ${include%%:*}/"; exit 1; }
done
root=${1:?usage: layers-check.sh <source-root>}
[[ -d $root/shell && -d $root/exercises/rules && -d $root/app ]] || { echo "FAIL: $root holds no sources"; exit 1; }
bad=$(upward "$root")
[[ -z $bad ]] || { echo "includes against the layers:"; echo "$bad"; exit 1; }
echo "layers: every include points down"
