#!/usr/bin/env bash
# Start-up measurement: Korvel against a bare Qt application, in one run on one
# X server (Xvfb, the xcb platform).
#   bench/startup.sh BUILD_DIR [RUNS]     (RUNS defaults to 11)
# Each run launches the bare application twice, showing one empty widget
# (the yardstick of the first paint) and showing the same windows with the
# same menu bars as Korvel (the yardstick of the memory; the probe's warm-up
# run describes them), then Korvel's start-up probe (which starts as the
# program does), each with KORVEL_STARTUP_PROBE set to the launch time; each
# reports its first paints and peak memory (see bench/startup_probe.cpp) and
# quits. Prints the medians, the ratio of the main windows' first paints, each
# fitting window's first paint after its menu command and the ratio of the
# peak memories. Where valgrind is installed (and KORVEL_STARTUP_HEAP is not
# 0) it then runs Korvel and the bare application with the same windows once
# more each under massif for their peak heap. Exits 1 when a program failed
# to report.
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
windows=$(mktemp)
massif=$(mktemp)
trap 'rm -f "$figures" "$windows" "$massif"' EXIT

# launch NAME PROGRAM [ENV...]: one run, its report lines prefixed with NAME.
launch() {
    local name=$1 program=$2 output
    shift 2
    if ! output=$(env "$@" KORVEL_STARTUP_PROBE=$EPOCHREALTIME timeout 60 "$program" 2>/dev/null); then
        echo "startup.sh: $name did not report its first paints:" >&2
        echo "$output" >&2
        exit 1
    fi
    sed "s/^/$name /" <<<"$output" >>"$figures"
}

# A warm-up run fills the page cache and describes Korvel's windows; its
# figures are dropped.
launch warm "$korvel" KORVEL_PROBE_WINDOWS="$windows"
launch warm "$bare"
launch warm "$bare" KORVEL_BARE_WINDOWS="$windows"
: >"$figures"
for ((i = 0; i < runs; ++i)); do
    launch bare "$bare"
    launch same "$bare" KORVEL_BARE_WINDOWS="$windows"
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
mib() { awk -v k="$1" 'BEGIN { print k / 1024 }'; }
korvel_peak=$(median korvel memory VmHWM)
same_peak=$(median same memory VmHWM)
printf '  %-44s %8.1f MiB\n' "Korvel peak memory, seven windows open" "$(mib "$korvel_peak")"
printf '  %-44s %8.1f MiB\n' "  its share of shared pages included (Pss)" "$(mib "$(median korvel memory Pss)")"
printf '  %-44s %8.1f MiB\n' "  pages it alone maps (private)" "$(mib "$(median korvel memory Private)")"
for part in RssAnon RssFile RssShmem; do
    printf '  %-44s %8.1f MiB\n' "  resident at the end: $part" "$(mib "$(median korvel memory "$part")")"
done
printf '  %-44s %8.1f MiB\n' "bare Qt, same windows and menus: peak" "$(mib "$same_peak")"
for part in RssAnon RssFile RssShmem; do
    printf '  %-44s %8.1f MiB\n' "  resident at the end: $part" "$(mib "$(median same memory "$part")")"
done
printf '  %-44s %8.2f    (target at most 1.10)\n' "peak memory ratio Korvel / same windows" \
    "$(awk -v a="$korvel_peak" -v b="$same_peak" 'BEGIN { print a / b }')"
printf '  %-44s %8.2f\n' "median of the runs' own ratios" \
    "$(awk '$2 == "memory" && $3 == "VmHWM" { if ($1 == "same") b = $4; else if ($1 == "korvel" && b > 0) { print $4 / b; b = 0 } }' "$figures" |
        sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')"
printf '  %-44s %8.1f MiB\n' "bare Qt window (one empty widget) peak" "$(mib "$(median bare memory VmHWM)")"

# heap PROGRAM [ENV...]: the peak heap under massif, "USEFUL TOTAL" bytes
# (what the program asked for, and with malloc's own bookkeeping).
heap() {
    local program=$1
    shift
    env "$@" KORVEL_STARTUP_TIMEOUT=300 timeout 600 valgrind -q --tool=massif --massif-out-file="$massif" \
        "$program" >/dev/null 2>&1 || return 1
    awk -F= '/^mem_heap_B=/ { h = $2 } /^mem_heap_extra_B=/ { if (h > u) u = h; if (h + $2 > t) t = h + $2 }
             END { print u, t }' "$massif"
}
if [[ ${KORVEL_STARTUP_HEAP:-1} != 0 ]] && command -v valgrind >/dev/null; then
    korvel_heap=$(heap "$korvel") || { echo "startup.sh: Korvel did not run under massif" >&2; exit 1; }
    same_heap=$(heap "$bare" KORVEL_BARE_WINDOWS="$windows") ||
        { echo "startup.sh: the bare application did not run under massif" >&2; exit 1; }
    mb() { awk -v b="$1" 'BEGIN { print b / 1e6 }'; }
    # The target is on what the program asked for; malloc's own bookkeeping
    # is shown beside it.
    met=$(awk -v b="${korvel_heap% *}" 'BEGIN { print (b <= 3e6) ? "met" : "NOT met" }')
    printf '  %-44s %8.2f MB (target at most 3 MB: %s; %.2f MB with malloc'"'"'s own)\n' "Korvel peak heap (massif)" \
        "$(mb "${korvel_heap% *}")" "$met" "$(mb "${korvel_heap#* }")"
    printf '  %-44s %8.2f MB (%.2f MB with malloc'"'"'s own)\n' "bare Qt, same windows and menus: peak heap" \
        "$(mb "${same_heap% *}")" "$(mb "${same_heap#* }")"
fi
