#!/usr/bin/env bash
# Set-up, build, start and test Korvel on Debian 12.
#   tools/korvel.sh start   install what is missing of debian-packages.txt, build
#                           the program alone (no tests, benchmarks or fuzz
#                           targets), put the DXF texts' line font in
#                           ~/.librecad/fonts, start Korvel. Run with sudo, it
#                           installs the packages as root and builds and starts
#                           Korvel as the user who ran sudo, whose build/ it is.
#   tools/korvel.sh test    as root: install what is missing of both package
#                           lists, build everything, run every test twice:
#                           from the normal build and from a build with
#                           AddressSanitizer and UndefinedBehaviorSanitizer;
#                           then build the fuzz targets with clang and run them
#                           on their seed corpora: numbers for KORVEL_FUZZ_SECONDS
#                           (20), the fittings four times as long
set -euo pipefail
cd "$(dirname "$0")/.."

install_missing() {  # install_missing LIST...
    local missing=() package list
    for list in "$@"; do
        while read -r package; do
            [[ -z "$package" || "$package" == \#* ]] && continue
            if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
                missing+=("$package")
            fi
        done < "$list"
    done
    ((${#missing[@]})) || return 0
    if ((EUID != 0)); then
        echo "korvel: these Debian packages are missing: ${missing[*]}" >&2
        echo "korvel: run this with sudo, or ask an administrator to install them" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# Under sudo the program is built and started as the user who ran sudo, so
# that build/, the line font and the program's settings are the user's and
# the windows do not run as root. The display's variables go along.
as_user=()
if [[ -n "${SUDO_USER:-}" && "$SUDO_USER" != root && $EUID -eq 0 ]]; then
    as_user=(sudo -u "$SUDO_USER" -H --preserve-env=DISPLAY,XAUTHORITY,WAYLAND_DISPLAY,XDG_RUNTIME_DIR)
fi

hand_build_to_user() {
    ((${#as_user[@]})) || return 0
    mkdir -p build
    # An older run as root left files of build/ to root.
    if [[ -n "$(find build -user root -print -quit)" ]]; then
        chown -R "$SUDO_USER": build
    fi
    if ! "${as_user[@]}" test -r CMakeLists.txt -a -w build; then
        echo "korvel: $SUDO_USER cannot read $(pwd) or write its build/; clone Korvel where $SUDO_USER can" >&2
        exit 1
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
        install_missing debian-packages.txt
        hand_build_to_user
        # The program and the line font alone: no tests, benchmarks or fuzz
        # targets, so neither GoogleTest nor Google Benchmark is needed.
        "${as_user[@]}" cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF -DKORVEL_FUZZ=OFF
        "${as_user[@]}" cmake --build build -j "$(nproc)" --target korvel korvel_line_font_file
        # The line font of the DXF files' Chinese texts, where a CAD reader
        # that draws texts from its own line fonts looks for the user's fonts.
        "${as_user[@]}" sh -c 'install -D -m 644 build/korvel.lff "$HOME/.librecad/fonts/korvel.lff"'
        exec "${as_user[@]}" ./build/korvel
        ;;
    test)
        install_missing debian-packages.txt debian-packages-test.txt
        build build -DKORVEL_TESTS=ON -DKORVEL_BENCH=ON
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
