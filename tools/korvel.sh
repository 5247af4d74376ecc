#!/usr/bin/env bash
# Set-up, build, start and test Korvel on Debian 12, as root.
#   tools/korvel.sh start   install what is missing, build, put the DXF texts'
#                           line font in ~/.librecad/fonts, start Korvel
#   tools/korvel.sh test    install what is missing, build, run every test twice:
#                           from the normal build and from a build with
#                           AddressSanitizer and UndefinedBehaviorSanitizer;
#                           then build the fuzz targets with clang and run them
#                           on their seed corpora: numbers for KORVEL_FUZZ_SECONDS
#                           (20), the fittings four times as long
set -euo pipefail
cd "$(dirname "$0")/.."

install_missing() {
    local missing=() package
    while read -r package; do
        [[ -z "$package" || "$package" == \#* ]] && continue
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done < debian-packages.txt
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}

build() {  # build DIR [cmake options]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" -j "$(nproc)"
}

case "${1:-}" in
    start)
        install_missing
        build build
        # The line font of the DXF files' Chinese texts, where a CAD reader
        # that draws texts from its own line fonts looks for the user's fonts.
        install -D -m 644 build/korvel.lff "$HOME/.librecad/fonts/korvel.lff"
        exec ./build/korvel
        ;;
    test)
        install_missing
        build build
        ctest --test-dir build --output-on-failure -j "$(nproc)"
        build build-sanitize -DKORVEL_SANITIZE=ON
        ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
        # The fuzz targets, built with clang, each run briefly on its seed corpus.
        CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DKORVEL_FUZZ=ON -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF
        cmake --build build-fuzz --target korvel_fuzz -j "$(nproc)"
        seconds=${KORVEL_FUZZ_SECONDS:-20}
        fuzz/run.sh build-fuzz "$seconds" numbers
        # One target takes every window of the catalogue in turn: it runs longer.
        fuzz/run.sh build-fuzz "$((seconds * 4))" fittings
        ;;
    *)
        echo "usage: $0 start|test" >&2
        exit 1
        ;;
esac
