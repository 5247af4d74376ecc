#!/usr/bin/env bash
# Holds src/ to its layers: core ← output ← ui ← app, each including only
# itself and what lies below it, the core without any Qt header, and the
# fittings named only in their own folders and in the catalogue.
#
#   tools/check_layers.sh [SOURCE_DIR]
#
# Prints each include that breaks a rule, with its file and line, and exits
# 1 when there is one; 0 when src/ keeps to its layers.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

status=0
# offend LAYER PATTERN WHY: every line of LAYER's files matching PATTERN.
offend() {
    local layer=$1 pattern=$2 why=$3 hits
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "$pattern" "$layer" || true)
    if [[ -n "$hits" ]]; then
        printf '%s:\n%s\n' "$why" "$hits"
        status=1
    fi
}

offend core '#include <Q' "Qt in the core (it builds without Qt)"
offend core '#include "(output|ui|app)/' "the core includes a layer above it"
offend output '#include "(ui|app)/' "the output layer includes a layer above it"
offend output '#include <Q(Widget|Application|MainWindow|Dialog|Label|LineEdit|ComboBox|Action)' \
    "the output layer includes Qt Widgets (it has only Qt's GUI module)"
offend ui '#include "app/' "the windows include the program"

# A fitting's own files are included only by its own folder and the catalogue.
hits=$(grep -rnE --include='*.h' --include='*.cpp' '#include "core/fittings/' . |
    grep -vE '^\./core/catalogue\.cpp:' |
    awk -F: '{ split($3, inc, "\""); split(inc[2], p, "/"); if (index($1, "./core/fittings/" p[3] "/") != 1) print }' || true)
if [[ -n "$hits" ]]; then
    printf '%s:\n%s\n' "a fitting's files included outside its folder and the catalogue" "$hits"
    status=1
fi

exit $status
