#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds, and either starts the program or runs
# every test: ./run.sh [test]
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev
          qt6-multimedia-dev qt6-translations-l10n libgl-dev fonts-wqy-microhei
          desktop-file-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing Debian packages; install them as root with:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc)
build() { # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "${1:-start}" in
start)
    build build
    exec build/dist/PK_517/zr4400 "${@:2}"
    ;;
test)
    # Both configurations treat a compiler warning as an error.
    build build -DZR_WERROR=ON
    (cd build && ctest --output-on-failure -j "$jobs")
    build build-asan -DZR_SANITIZE=ON -DZR_WERROR=ON
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j "$jobs")
    ;;
*)
    echo "usage: $0 [test]" >&2
    exit 64
    ;;
esac
