#!/bin/sh
# Runs one Windows program of the cross build under Wine:
#   tools/wine-run.sh program.exe [args...]
# The Wine prefix is JOTWELL_WINEPREFIX if set, else the build tree's own,
# "wineprefix" beside the CMakeCache.txt of the tree that holds the program
# (WINEPREFIX when the program lies outside any build tree). It is a 32-bit prefix, created on
# first use under a lock, since CTest starts programs in parallel. The mingw
# runtime DLLs are found through Wine's PATH. Standard input is the
# caller's; standard output and error are passed on when the program ends.
set -eu
[ $# -ge 1 ] || { echo "usage: $0 program.exe [args...]" >&2; exit 2; }

prefix=${JOTWELL_WINEPREFIX:-}
dir=
[ -n "$prefix" ] || dir=$(cd "$(dirname "$1")" 2>/dev/null && pwd) || dir=
while [ -n "$dir" ]; do
    if [ -f "$dir/CMakeCache.txt" ]; then
        prefix=$dir/wineprefix
        break
    fi
    [ "$dir" = / ] && break
    dir=$(dirname "$dir")
done
prefix=${prefix:-${WINEPREFIX:-}}
[ -n "$prefix" ] || { echo "$0: $1 is in no build tree and WINEPREFIX is unset" >&2; exit 2; }

export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all
# No Mono or Gecko download prompts: the tests need neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ ! -f "$prefix/system.reg" ]; then
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            wineboot --init >/dev/null 2>&1
            wineserver -w
        fi
    ) 9>"$prefix.lock"
fi

# Unix folders as Windows paths on drive Z:, which Wine maps to /.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
runtime=""
for dir in /usr/lib/gcc/i686-w64-mingw32/*-posix /usr/i686-w64-mingw32/lib; do
    [ -d "$dir" ] && runtime="$runtime${runtime:+;}$(winpath "$dir")"
done
# JOTWELL_WINE_OWN_RUNTIME=1 leaves them out, for programs that must find
# them beside themselves as on Windows.
[ -n "${JOTWELL_WINE_OWN_RUNTIME:-}" ] || export WINEPATH="${WINEPATH:+$WINEPATH;}$runtime"

# The first program of a Wine session starts Wine's own services, which
# inherit its standard streams and outlive it: through pipes, CTest would wait
# for them. Files do not keep anybody waiting.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
rc=0
wine "$@" >"$out" 2>"$err" || rc=$?
cat "$out"
cat "$err" >&2
exit "$rc"
