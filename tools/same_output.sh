#!/usr/bin/env bash
# Runs every `korvel list` command of every fitting on its presets and on a
# spread of other inputs, and writes every DXF, PDF and CAD file of the
# presets; then compares what came out, byte for byte, with a manifest of
# SHA-256 sums taken from an earlier build.
#
#   tools/same_output.sh KORVEL [OUT_DIR]            compare with tools/same_output.sha256
#   tools/same_output.sh --record KORVEL [OUT_DIR]   write the manifest anew
#
# The FITTINGs, their inputs and presets come from `korvel --help`, so the
# script lists no fitting itself. Each run leaves OUT_DIR/NAME.out (standard
# output, standard error and the exit status) and, for files, OUT_DIR/NAME.dxf
# or .pdf. Exit status 0 when every output matches (or the manifest was
# written), 1 when some differ (they are named), 2 on a usage error.
set -euo pipefail

record=0
if [[ "${1:-}" == "--record" ]]; then
    record=1
    shift
fi
if [[ $# -lt 1 ]]; then
    echo "usage: $0 [--record] KORVEL [OUT_DIR]" >&2
    exit 2
fi
korvel=$(realpath "$1")
out=${2:-$(mktemp -d)}
manifest="$(dirname "$(realpath "$0")")/same_output.sha256"
mkdir -p "$out"
rm -f "$out"/*.out "$out"/*.dxf "$out"/*.pdf "$out/differences.txt"

export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen

# run NAME ARGS...: one process; its output, errors and status in NAME.out.
run() {
    local name=$1 status=0
    shift
    "$korvel" "$@" >"$out/$name.stdout" 2>"$out/$name.stderr" || status=$?
    {
        echo "args: $*"
        echo "status: $status"
        echo "--- stdout"
        cat "$out/$name.stdout"
        echo "--- stderr"
        cat "$out/$name.stderr"
    } >"$out/$name.out"
    rm -f "$out/$name.stdout" "$out/$name.stderr"
}

help=$("$korvel" --help)
printf '%s\n' "$help" >"$out/help.out"

# The help lists each window as "  FormN, ...:", its inputs on the next line
# ("inputs:  D=1120 mm  k=4 (2 to 20)  dir=north|south  round=int|dec"), then
# "dxf NAME", "pdf NAME" and one "COMMAND  (caption)" line per list command.
inputs=""
while IFS= read -r line; do
    if [[ "$line" =~ ^\ \ \ \ inputs: ]]; then
        inputs=${line#*inputs:}
        continue
    fi
    [[ "$line" =~ ^\ \ \ \ ([a-z-]+)\ \ \( ]] || continue
    fitting=${BASH_REMATCH[1]}
    run "list-$fitting" list "$fitting"
    run "list-$fitting-dec" list "$fitting" round=dec
    for word in $inputs; do
        [[ "$word" == *=* && "$word" != round=* ]] || continue
        symbol=${word%%=*}
        value=${word#*=}
        if [[ "$value" == *"|"* ]]; then  # an option list: every choice
            IFS='|' read -r -a choices <<<"$value"
            for choice in "${choices[@]}"; do
                run "list-$fitting-$symbol-$choice" list "$fitting" "$symbol=$choice"
                run "list-$fitting-$symbol-$choice-dec" list "$fitting" "$symbol=$choice" round=dec
            done
            continue
        fi
        # A number list "k=4 (2 to 20)": its first and last items follow.
        if [[ "$inputs" =~ $symbol=[^\ ]+\ \(([0-9]+)\ to\ ([0-9]+)\) ]]; then
            run "list-$fitting-$symbol-first" list "$fitting" "$symbol=${BASH_REMATCH[1]}"
            run "list-$fitting-$symbol-last" list "$fitting" "$symbol=${BASH_REMATCH[2]}"
            continue
        fi
        run "list-$fitting-$symbol-empty" list "$fitting" "$symbol="
        run "list-$fitting-$symbol-zero" list "$fitting" "$symbol=0"
        run "list-$fitting-$symbol-negative" list "$fitting" "$symbol=-5"
        run "list-$fitting-$symbol-huge" list "$fitting" "$symbol=1e400"
        run "list-$fitting-$symbol-text" list "$fitting" "$symbol=12.5abc"
        run "list-$fitting-$symbol-half" list "$fitting" "$symbol=$(awk -v v="$value" 'BEGIN { printf "%.10g", v / 2 }')" round=dec
        run "list-$fitting-$symbol-double" list "$fitting" "$symbol=$(awk -v v="$value" 'BEGIN { printf "%.10g", v * 2 + 0.37 }')"
    done
done <<<"$help"

# Every pattern on its presets (and each option's choices) as DXF and PDF.
patterns=$(printf '%s\n' "$help" | sed -n 's/^    dxf \([a-z-]*\) .*/\1/p')
for fitting in $patterns; do
    run "dxf-$fitting" dxf "$fitting" -o "$out/dxf-$fitting.dxf"
    run "pdf-$fitting" pdf "$fitting" -o "$out/pdf-$fitting.pdf"
done
run "dxf-elbow-n100" dxf elbow n=100 round=dec -o "$out/dxf-elbow-n100.dxf"
run "dxf-cone-variant" dxf cone variant=cone -o "$out/dxf-cone-variant.dxf"
run "dxf-round-top-south" dxf transition-round-top dir=south -o "$out/dxf-round-top-south.dxf"
run "dxf-refused" dxf elbow D=0 -o "$out/dxf-refused.dxf"
run "pdf-tee-a3" pdf tee --page A3 -o "$out/pdf-tee-a3.pdf"
run "pdf-ytee-letter" pdf ytee --page=Letter round=dec -o "$out/pdf-ytee-letter.pdf"
run "pdf-refused" pdf cone big=0 -o "$out/pdf-refused.pdf"
run "cad" cad -o "$out/cad.dxf"
run "cad-dec" cad round=dec n=32 k=6 -o "$out/cad-dec.dxf"
run "cad-refused" cad R=1 -o "$out/cad-refused.dxf"
run "usage-unknown" list nothing
run "usage-name" list elbow-end Q=1

# The outputs name the folder they were written to; the sums must not.
sums=$(cd "$out" && for f in $(ls | LC_ALL=C sort); do
    printf '%s  %s\n' "$(sed "s|$out|OUT|g" "$f" | sha256sum | cut -d' ' -f1)" "$f"
done)

if ((record)); then
    printf '%s\n' "$sums" >"$manifest"
    echo "recorded $(wc -l <"$manifest") outputs in $manifest"
    exit 0
fi
if diff <(printf '%s\n' "$sums") "$manifest" >"$out/differences.txt"; then
    echo "same output: $(wc -l <"$manifest") outputs match"
    exit 0
fi
echo "outputs differ from $manifest (files in $out):" >&2
cat "$out/differences.txt" >&2
exit 1
