#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine, builds, and starts the program, runs every
# test, or makes the Debian package: ./run.sh [test | package]
set -euo pipefail
cd "$(dirname "$0")"

packages=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev
          qt6-multimedia-dev qt6-translations-l10n libgl-dev fonts-wqy-microhei
          desktop-file-utils file lintian xvfb poppler-utils
          at-spi2-core dbus python3-pyatspi)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing Debian packages; install them as root, then run $0 as yourself again:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# A build folder left by another user (root, say) cannot be built in.
writable() { # DIR...
    local dir
    for dir; do
        if [[ -e $dir && (! -w $dir || (-e $dir/CMakeCache.txt && ! -w $dir/CMakeCache.txt)) ]]; then
            echo "$dir/ cannot be written by $(id -un) (an earlier run as root made it?):" \
                 "remove it as its owner, $(stat -c %U "$dir"), with rm -rf $dir, then run $0 again" >&2
            exit 1
        fi
    done
}

jobs=$(nproc)
build() { # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "${1:-start}" in
start)
    writable build
    build build
    exec build/dist/PK_517/zr4400 "${@:2}"
    ;;
test)
    writable build build-asan
    # Both configurations treat a compiler warning as an error.
    build build -DZR_WERROR=ON
    (cd build && ctest --output-on-failure -j "$jobs")
    build build-asan -DZR_SANITIZE=ON -DZR_WERROR=ON
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j "$jobs")
    ;;
package)
    # A Release build of its own, without the tests, for the package only.
    writable build-package
    build build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    (cd build-package && cpack -G DEB) | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
    ;;
*)
    echo "usage: $0 [test | package]" >&2
    exit 64
    ;;
esac
