#!/usr/bin/env bash
# Set-up, build and run in one step on Debian 12 (root, or a user with sudo).
#   ./build.sh run    build, make the demo folder and start the program there
#   ./build.sh test   build with warnings as errors and run every test headless
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build="$here/build"
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
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

compile() {
    cmake -S "$here" -B "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "$build" -j"$(nproc)"
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    compile
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
    compile
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
