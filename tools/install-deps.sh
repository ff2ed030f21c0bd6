#!/bin/sh
# Installs, from Debian's packages, what the build and the test suite need
# beyond a stock C++ machine. Safe to run again: apt-get skips what is there.
#
#   tools/install-deps.sh          Linux build, tests, generator, fuzzing
#   tools/install-deps.sh --windows  also the mingw-w64 toolchain and Wine
set -eu

want_windows=0
for arg in "$@"; do
    case "$arg" in
        --windows) want_windows=1 ;;
        *) echo "usage: $0 [--windows]" >&2; exit 2 ;;
    esac
done

SUDO=
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi

packages="cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
googletest libbenchmark-dev bison flex libxml2-utils pkg-config
python3 python3-babel python3-icu"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
        || missing="$missing $p"
done

if [ "$want_windows" -eq 1 ]; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
        missing="$missing __update__"
    fi
    for p in g++-mingw-w64-i686-posix wine wine32:i386; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
            || missing="$missing $p"
    done
fi

missing=$(echo "$missing" | sed 's/__update__//g')
if [ -n "$(echo "$missing" | tr -d ' ')" ]; then
    echo "installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-remove $missing
fi
