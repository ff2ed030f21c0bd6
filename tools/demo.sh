#!/bin/sh
# Builds the library and runs the demo.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target jotwell_demo
exec build/default/examples/jotwell_demo "$@"
