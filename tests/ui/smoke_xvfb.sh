#!/usr/bin/env bash
# Starts Korvel under Xvfb with the real xcb platform, opens every calculator
# window through the menu, saves a screenshot of each and checks that all
# eight pictures were written.
set -euo pipefail
korvel=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1000x24" "$korvel" --screenshots "$out"
for form in Form1 Form4 Form5 Form6 Form7 Form8 Form9 Form10; do
    if [[ ! -s "$out/$form.png" ]]; then
        echo "missing screenshot $out/$form.png" >&2
        exit 1
    fi
done
echo "screenshots in $out"
