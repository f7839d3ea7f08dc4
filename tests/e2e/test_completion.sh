#!/usr/bin/env bash
# The bash completion offers each command's own options, each port once.
#   tests/e2e/test_completion.sh COMPLETION-FILE ZR4400-CLI
set -euo pipefail
cli=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Two COM numbers for one device, which is also a file the word matches.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/ZR-4400/ZR-4400"
touch "$work/radio"
printf '[ports]\r\nCOM998=%s\r\nCOM999=%s\r\n' "$work/radio" "$work/radio" \
    > "$XDG_CONFIG_HOME/ZR-4400/ZR-4400/mysetup.ini"
source "$1"

expect() { # WANTED WORD...: completing the last word offers exactly WANTED
    local wanted=$1
    shift
    COMP_WORDS=("$cli" "$@") COMP_CWORD=$# COMPREPLY=()
    _zr4400_cli
    [[ "${COMPREPLY[*]}" == "$wanted" ]] ||
        { echo "zr4400-cli $*: offers '${COMPREPLY[*]}', not '$wanted'" >&2; exit 1; }
}
expect "--json" show --
expect "--no-backup --retries --trace" read --
expect "--dismiss --verify --retries --trace" resume --
expect "$work/radio" read "$work/ra"
expect "COM998 COM999" dump --retries 2 COM99
expect "COM1,COM998 COM1,COM999" group-write COM1,COM99
echo "completion: ok"
