#!/usr/bin/env bash
# Builds and runs every benchmark program; extra arguments go to each (e.g. --benchmark_filter=Flood).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
for b in "$top"/build/bench/bench_*; do
  [[ -x "$b" ]] && "$b" "$@"
done
