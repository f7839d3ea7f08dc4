#!/bin/bash
# The program as a screen reader sees it: started under Xvfb with the AT-SPI
# bus and walked by a real assistive-technology client (atspi_walk.py),
# reading from the simulated radio. Usage: test_atspi.sh PROGRAM_DIR
set -u
dir=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

scratch=$(mktemp -d)
sim= xvfb=
trap 'kill $sim $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
mkdir -p "$XDG_CONFIG_HOME/ZR-4400/ZR-4400"
printf '[language]\r\nIsFirstRun=0\r\ncomPort=99\r\nCurrentLanguage=1\r\n[ports]\r\nCOM99=%s\r\n' \
    "$scratch/radio" > "$XDG_CONFIG_HOME/ZR-4400/ZR-4400/mysetup.ini"
# A radio at line speed, so that the read lasts while its progress is read.
"$dir/zr4400-radio-sim" --line-rate --link "$scratch/radio" >/dev/null &
sim=$!
for _ in $(seq 300); do [ -e "$scratch/radio" ] && break; sleep 0.1; done

# A display of its own: Xvfb names the free display it took once it is ready.
Xvfb -displayfd 5 -screen 0 1920x1080x24 -nolisten tcp 5>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 300); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$scratch/display") QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
dbus-run-session -- /usr/bin/python3 "$here/atspi_walk.py" "$dir/zr4400" --no-splash 2>&1 |
    grep -v -e 'Failed to set fd limit' -e 'XDG_RUNTIME_DIR' -e '^dbus-daemon' -e '^SpiRegistry'
exit "${PIPESTATUS[0]}"
