#!/usr/bin/env bash
# The installed tree and the Debian package run from any folder: the tool's
# version and a decode, the program's version without a display, settings
# kept per user; the desktop entry validates, the compressed man
# pages, the copyright and the manuals' pictures are in place; lintian finds
# nothing wrong with the package.
#   tests/e2e/test_install.sh BUILD-DIR
set -euo pipefail
build=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

runs() { # ROOT: the programs installed under ROOT work
    local root=$1
    (cd / && "$root/bin/zr4400-cli" --version) | grep -qx "zr4400-cli 1\.[0-9.]*"
    (cd / && "$root/bin/zr4400-cli" encode "$root/lib/zr4400/PK_517/Init/0_PK2323_New.dat" \
        "$work/image.bin")
    (cd / && "$root/bin/zr4400-cli" decode "$work/image.bin" "$work/decoded.dat")
    [[ -s "$work/decoded.dat" && -s "$work/decoded.fre" ]]
    # A data file named on the command line opens after start-up (and so
    # becomes the first recent file). The first start's settings go to the
    # user's copy even where the tree could be written (as root): the tree's
    # file stays the template.
    rm -rf "$work/config"
    cp "$root/lib/zr4400/language/mysetup.ini" "$work/template.ini"
    XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
        "$root/bin/zr4400" --no-splash --startup-benchmark "$work/decoded.dat" > /dev/null 2>&1
    grep -q "decoded.dat" "$work/config/ZR-4400/ZR-4400.conf"
    cmp "$work/template.ini" "$root/lib/zr4400/language/mysetup.ini"
    grep -q "IsFirstRun=0" "$work/config/ZR-4400/ZR-4400/mysetup.ini"
    rm -f "$work"/image.bin "$work"/decoded.*
    (cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/zr4400" --version) |
        grep -qx "zr4400 1\.[0-9.]*"
    gzip -t "$root"/share/man/man1/zr4400{,-cli,-radio-sim}.1.gz
    grep -q "^License: GPL-3+" "$root/share/doc/zr4400/copyright"
    for picture in $(grep -oh "[a-z-]*\.png" "$root"/share/doc/zr4400/manual-*.md); do
        [[ -s "$root/share/doc/zr4400/$picture" ]]
    done
    [[ -s "$root/share/doc/zr4400/manual-en.md" && -s "$root/share/doc/zr4400/manual-zh.md" ]]
    desktop-file-validate "$root/share/applications/zr4400.desktop"
}

cmake --install "$build" --prefix "$work/prefix" > /dev/null
runs "$work/prefix"
echo "installed tree: ok"

(cd "$build" && cpack -G DEB -B "$work/package" > /dev/null)
deb=$(ls "$work"/package/zr4400_*.deb)
dpkg-deb -f "$deb" Depends | grep -q "libqt6serialport6 (>= "
if command -v lintian > /dev/null &&
    ! lintian --fail-on error,warning "$deb" > "$work/lintian" 2>&1; then
    grep "^[EW]: " "$work/lintian" >&2 || cat "$work/lintian" >&2
    exit 1
fi
dpkg-deb -x "$deb" "$work/unpacked"
runs "$work/unpacked/usr"
echo "package $(basename "$deb"): ok"
