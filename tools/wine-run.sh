#!/bin/sh
# Runs one Windows program of the cross build under Wine:
#   tools/wine-run.sh PREFIX program.exe [args...]
# PREFIX is the build tree's own 32-bit Wine prefix; it is created on first
# use (under a lock, since CTest starts programs in parallel). The mingw
# runtime DLLs are found through Wine's PATH. Standard input is the
# caller's; standard output and error are passed on when the program ends.
set -eu
prefix=$1
shift
case $prefix in /*) ;; *) prefix=$PWD/$prefix ;; esac

export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all
# No Mono or Gecko download prompts: the tests need neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
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
export WINEPATH="${WINEPATH:+$WINEPATH;}$runtime"

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
