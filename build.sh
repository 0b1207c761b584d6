#!/usr/bin/env bash
# Set-up, build and run in one step on Debian 12 (root, or a user with sudo).
#   ./build.sh run                        build, make the demo folder and start the program there
#   ./build.sh test                       build with warnings as errors and run every test headless
#   ./build.sh partner SOURCE OUT [--iso] check an agency's folder and make the partner folder OUT
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
demo="$here/demo"

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-translations-l10n
    mdbtools mdbtools-dev
    libsqlite3-dev zlib1g-dev
    fonts-liberation2
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the given Debian packages that are missing.
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# configure BUILD_FOLDER [CMAKE OPTIONS...]
configure() {
    local folder=$1
    shift
    cmake -S "$here" -B "$folder" "$@" >/dev/null
}

# What a partner folder may be made into: a folder that does not exist yet or is empty.
require_new_folder() {
    if [ -e "$1" ] && { [ ! -d "$1" ] || [ -n "$(ls -A "$1")" ]; }; then
        echo "$1 already exists and is not an empty folder; name a new one" >&2
        exit 2
    fi
}

partner() {
    local iso=no positional=()
    for argument in "$@"; do
        case "$argument" in
        --iso) iso=yes ;;
        *) positional+=("$argument") ;;
        esac
    done
    if [ ${#positional[@]} -ne 2 ]; then
        echo "usage: $0 partner SOURCE OUT [--iso]" >&2
        exit 2
    fi
    local source out started=$SECONDS
    source=$(realpath -m "${positional[0]}")
    out=$(realpath -m "${positional[1]}")
    if [ ! -d "$source" ]; then
        echo "$source is not a folder" >&2
        exit 2
    fi
    require_new_folder "$out"
    if [ "$iso" = yes ] && [ -e "$out.iso" ]; then
        echo "$out.iso already exists" >&2
        exit 2
    fi

    install_missing "${packages[@]}"
    [ "$iso" = no ] || install_missing xorriso
    local build="$here/build-partner"
    configure "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --build "$build" -j"$(nproc)" --target colaborador check-partner-source
    # Refused: nothing is written.
    "$build/tools/check-partner-source/check-partner-source" "$source" || exit 1
    cmake -DSOURCE="$source" -DOUT="$out" -P "$build/partner-folder.cmake"
    if [ "$iso" = yes ]; then
        # Rock Ridge keeps the program's run bit; Joliet gives Windows the long names.
        xorriso -as mkisofs -r -J -joliet-long -V COLABORADOR -o "$out.iso" "$out"
    fi
    echo "$out: $(du -sh "$out" | cut -f1), made in $((SECONDS - started)) s"
}

case "${1:-}" in
run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display to show the program on; without a desktop, run: xvfb-run ./build.sh run" >&2
        exit 2
    fi
    install_missing "${packages[@]}"
    build="$here/build-run"
    configure "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    cmake --build "$build" -j"$(nproc)" --target colaborador make-demo-cd
    "$build/tools/make-demo-cd/make-demo-cd" "$demo"
    # The program's folder is the folder of its executable, as on the CD.
    cp "$build/src/colaborador" "$demo/colaborador"
    cd "$demo"
    exec ./colaborador
    ;;
test)
    install_missing "${packages[@]}"
    # The second Jet reader the writer's tests compare with runs on node:
    # Debian's, unless the machine has a node of its own (which brings npm).
    if ! command -v npm >/dev/null; then
        install_missing nodejs npm || echo "node could not be installed; the mdb-reader comparison will be skipped" >&2
    fi
    # The independent reader the mdbwrite tests compare with; its test skips without it.
    if command -v npm >/dev/null && [ ! -d "$here/tests/mdbwrite/node_modules/mdb-reader" ]; then
        npm ci --prefix "$here/tests/mdbwrite" --no-audit --no-fund >/dev/null \
            || echo "mdb-reader could not be installed; its test will be skipped" >&2
    fi
    configure "$here/build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
    cmake --build "$here/build" -j"$(nproc)"
    cd "$here/build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
partner)
    shift
    partner "$@"
    ;;
*)
    echo "usage: $0 run | test | partner SOURCE OUT [--iso]" >&2
    exit 2
    ;;
esac
