#!/bin/sh
# The Windows stage of the test command: builds the 32-bit Windows DLLs and
# test programs with mingw-w64 (preset "windows") and runs the whole suite
# under Wine, in a Wine prefix of its own inside the build tree.
set -eu
cd "$(dirname "$0")/.."
start=$(date +%s)
elapsed() { echo "Windows stage: $(( $(date +%s) - start )) s"; }
trap elapsed EXIT
trap 'exit 130' INT TERM
tools/install-deps.sh --windows

build=build/windows
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)"

export WINEPREFIX="$PWD/$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi
# One Wine server, with Wine's services already up, for the whole run
# instead of a start for each test program.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null
trap 'wineserver -k 2>/dev/null || true; elapsed' EXIT

ctest --preset windows -j "$(nproc 2>/dev/null || echo 2)"
