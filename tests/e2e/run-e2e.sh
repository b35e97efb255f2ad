#!/usr/bin/env bash
# Runs the end-to-end suite: velmora.exe under Wine on a virtual display of its
# own, with a local HTTP witness and a stub xdg-open, driven by velmora_e2e.exe.
# Usage: run-e2e.sh VELMORA_EXE E2E_EXE [gtest arguments...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
velmora_exe=$1
e2e_exe=$2
shift 2
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"

work=$(cd "$(dirname "$e2e_exe")" && pwd)/e2e-run
rm -rf "$work" && mkdir -p "$work/bin" "$work/screenshots"
# shellcheck source=virtual-display.sh
. "$here/virtual-display.sh"

cleanup() {
    wineserver -k 2>/dev/null
    [ -n "${witness_pid:-}" ] && kill "$witness_pid" 2>/dev/null
    [ -n "${VIRTUAL_DISPLAY_PID:-}" ] && kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null
}
trap cleanup EXIT

start_virtual_display || exit 1
python3 "$here/witness_server.py" "$work/requests.log" "$work/port" &
witness_pid=$!
for _ in $(seq 1 100); do [ -s "$work/port" ] && break; sleep 0.05; done
[ -s "$work/port" ] || { echo "the HTTP witness did not start" >&2; exit 1; }

# Whatever Wine hands to the Linux side for the shell's "open" goes here, not
# to a real browser.
cat > "$work/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >> "$work/shell.log"
STUB
chmod +x "$work/bin/xdg-open"
: > "$work/shell.log"
export PATH="$work/bin:$PATH"

windows_path() { winepath -w "$1" 2>/dev/null; }
wineserver -p 2>/dev/null
export VELMORA_EXE
VELMORA_EXE=$(windows_path "$velmora_exe")
export VELMORA_WITNESS_URL="http://127.0.0.1:$(cat "$work/port")"
VELMORA_WITNESS_LOG=$(windows_path "$work/requests.log")
VELMORA_SHELL_LOG=$(windows_path "$work/shell.log")
VELMORA_SCREENSHOTS=$(windows_path "$work/screenshots")
export VELMORA_WITNESS_LOG VELMORA_SHELL_LOG VELMORA_SCREENSHOTS

echo "end-to-end: display $DISPLAY, witness $VELMORA_WITNESS_URL, work folder $work"
"$(wine_loader)" "$e2e_exe" "$@"
status=$?

for shot in "$work"/screenshots/*.bmp; do
    [ -e "$shot" ] || continue
    convert "$shot" "${shot%.bmp}.png" 2>/dev/null && rm -f "$shot"
done
ls "$work"/screenshots/*.png >/dev/null 2>&1 && echo "screenshots: $work/screenshots"
exit $status
