#!/usr/bin/env bash
# Runs the screenshot tool under Xvfb with the real xcb platform: it opens
# every calculator window through the menu and saves a screenshot of each.
# Checks that the main window's (Form1) and every window's that the program's
# --help names were written.
#   tests/ui/smoke_xvfb.sh SCREENSHOT_TOOL KORVEL OUTPUT_DIR
set -euo pipefail
tool=$1
korvel=$2
out=$3
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1000x24" "$tool" "$out"
# The windows as --help heads them: "  Form4, segmented elbow ...:".
windows=$("$korvel" --help | sed -n 's/^  \(Form[0-9]*\), .*/\1/p')
if [[ -z $windows ]]; then
    echo "korvel --help names no window" >&2
    exit 1
fi
for form in Form1 $windows; do
    if [[ ! -s "$out/$form.png" ]]; then
        echo "missing screenshot $out/$form.png" >&2
        exit 1
    fi
done
echo "screenshots in $out"
