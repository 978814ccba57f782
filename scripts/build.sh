#!/usr/bin/env bash
# Configures (once) and builds Malvo incrementally into build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${MALVO_BUILD_TYPE:-RelWithDebInfo}"
fi
cmake --build "$build" -j "$(nproc)"
