#!/usr/bin/env bash
# Start-up measurement: Korvel against a bare Qt application showing one empty
# widget, in one run on one X server (Xvfb, the xcb platform).
#   bench/startup.sh BUILD_DIR [RUNS]     (RUNS defaults to 11)
# Each run launches the bare window, then Korvel's start-up probe (which starts
# as the program does), with KORVEL_STARTUP_PROBE set to the launch time; each
# reports its first paints and peak memory (see bench/startup_probe.cpp) and
# quits. Prints the medians, the ratio of the main windows' first paints and
# each fitting window's first paint after its menu command. Exits 1 when a
# program failed to report.
set -euo pipefail

build=${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}
runs=${2:-11}
korvel=$build/bench/korvel_startup_probe
bare=$build/bench/korvel_bare_window
for program in "$korvel" "$bare"; do
    [[ -x $program ]] || { echo "startup.sh: $program is not built" >&2; exit 1; }
done

# One X server for every run. Its display number is looked for from 140 up,
# away from the other tests' servers (xvfb-run -a starts at 99), so that
# parallel test runs do not race for the same one.
if [[ -z ${KORVEL_STARTUP_XVFB:-} ]]; then
    export KORVEL_STARTUP_XVFB=1
    exec xvfb-run -a -n 140 -s "-screen 0 1600x1000x24" bash "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
export LC_ALL=C  # a decimal point in $EPOCHREALTIME and in the figures

figures=$(mktemp)
trap 'rm -f "$figures"' EXIT

# launch NAME PROGRAM: one run, its report lines prefixed with NAME.
launch() {
    local name=$1 program=$2 output
    if ! output=$(KORVEL_STARTUP_PROBE=$EPOCHREALTIME timeout 60 "$program" 2>/dev/null); then
        echo "startup.sh: $name did not report its first paints:" >&2
        echo "$output" >&2
        exit 1
    fi
    sed "s/^/$name /" <<<"$output" >>"$figures"
}

# A warm-up pair fills the page cache; its figures are dropped.
launch warm "$bare"
launch warm "$korvel"
: >"$figures"
for ((i = 0; i < runs; ++i)); do
    launch bare "$bare"
    launch korvel "$korvel"
done

# median PROGRAM KIND WHAT: the median of that figure over the runs.
median() {
    awk -v p="$1" -v k="$2" -v w="$3" '$1 == p && $2 == k && $3 == w { print $4 }' "$figures" |
        sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

bare_paint=$(median bare first-paint main)
korvel_paint=$(median korvel first-paint main)
# The ratio of each run's pair (bare, then Korvel, back to back), whose median
# shrugs off the machine's slower and faster spells better than the ratio of
# the medians.
pair_ratio=$(awk '$2 == "first-paint" && $3 == "main" { if ($1 == "bare") b = $4; else if ($1 == "korvel" && b > 0) { print $4 / b; b = 0 } }' "$figures" |
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "Start-up, medians of $runs runs under Xvfb (xcb), $(nproc) cores"
# size PROGRAM: its main window's size at the first paint, "640x480".
size() { awk -v p="$1" '$1 == p && $2 == "window" && $3 == "main" { print $4; exit }' "$figures"; }
printf '  %-44s %8.1f ms (%s)\n' "bare Qt window: launch to first paint" "$bare_paint" "$(size bare)"
printf '  %-44s %8.1f ms (%s)\n' "Korvel main window: launch to first paint" "$korvel_paint" "$(size korvel)"
printf '  %-44s %8.2f    (target at most 1.30)\n' "ratio Korvel / bare" \
    "$(awk -v a="$korvel_paint" -v b="$bare_paint" 'BEGIN { print a / b }')"
printf '  %-44s %8.2f\n' "median of the runs' own ratios" "$pair_ratio"
for form in $(awk '$1 == "korvel" && $2 == "first-paint" && $3 != "main" { print $3 }' "$figures" | awk '!seen[$0]++'); do
    printf '  %-44s %8.1f ms (target under 50 ms)\n' "$form: menu command to first paint" \
        "$(median korvel first-paint "$form")"
done
printf '  %-44s %8.1f MiB (target under 60 MB)\n' "Korvel peak memory, seven windows open" \
    "$(awk -v k="$(median korvel memory VmHWM)" 'BEGIN { print k / 1024 }')"
printf '  %-44s %8.1f MiB\n' "  its share of shared pages included (Pss)" \
    "$(awk -v k="$(median korvel memory Pss)" 'BEGIN { print k / 1024 }')"
printf '  %-44s %8.1f MiB\n' "  pages it alone maps (private)" \
    "$(awk -v k="$(median korvel memory Private)" 'BEGIN { print k / 1024 }')"
for part in RssAnon RssFile RssShmem; do
    printf '  %-44s %8.1f MiB\n' "  resident at the end: $part" \
        "$(awk -v k="$(median korvel memory "$part")" 'BEGIN { print k / 1024 }')"
done
printf '  %-44s %8.1f MiB\n' "bare Qt window peak memory" \
    "$(awk -v k="$(median bare memory VmHWM)" 'BEGIN { print k / 1024 }')"
