#!/usr/bin/env bash
# Runs the screenshot tool under Xvfb with the real xcb platform: it opens
# every calculator window through the menu and saves a screenshot of each.
# Checks that the main window's (Form1) and one for every list command that
# the program's --help names were written.
#   tests/ui/smoke_xvfb.sh SCREENSHOT_TOOL KORVEL OUTPUT_DIR
set -euo pipefail
tool=$1
korvel=$2
out=$3
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1000x24" "$tool" "$out"
# The list commands as --help names them ("    elbow-end  (端节)"): the tool
# shows each command's result in its window, FormN-COMMAND.png.
commands=$("$korvel" --help | sed -n 's/^    \([a-z-]*\)  (.*/\1/p' | grep -v '^\(dxf\|pdf\)$' || true)
if [[ -z $commands ]]; then
    echo "korvel --help names no command" >&2
    exit 1
fi
for shot in Form1.png $(for c in $commands; do printf '%s ' "$(cd "$out" && ls Form*-"$c".png 2>/dev/null || echo "FormN-$c.png")"; done); do
    if [[ ! -s "$out/$shot" ]]; then
        echo "missing screenshot $out/$shot" >&2
        exit 1
    fi
done
echo "screenshots in $out"
