#!/usr/bin/env bash
# Builds the libFuzzer programs of the picture readers with clang in build/fuzz and runs each
# for a while, starting from the seeds in fuzz/corpus (JPEG, BMP, icons) or from small files that
# fuzz_seeds writes (PNG, WebP, TIFF, GIF), and keeping what it learns in build/fuzz.
# Usage: bash scripts/fuzz.sh [seconds per reader, default 120] [jpeg|bmp|ico|png|webp|tiff|gif ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-120}
[ $# -gt 0 ] && shift
kinds=("$@")
[ ${#kinds[@]} -eq 0 ] && kinds=(jpeg bmp ico png webp tiff gif)
if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh needs clang (Debian: apt-get install clang)" >&2
  exit 2
fi

out="$top/build/fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMALVO_FUZZ=ON >/dev/null
cmake --build "$out" --target "${kinds[@]/#/fuzz_}" fuzz_seeds
QT_QPA_PLATFORM=offscreen "$out/fuzz/fuzz_seeds" "$out/seeds"

export QT_QPA_PLATFORM=offscreen
failed=0
for kind in "${kinds[@]}"; do
  corpus="$out/corpus/$kind"
  artifacts="$out/artifacts"
  log="$out/$kind.log"
  mkdir -p "$corpus" "$artifacts"
  rm -f "$artifacts/$kind-"*
  start=$(date +%s)
  rc=0
  # A raster may take up to 1 GiB (the size limits), which the sanitizers' bookkeeping can
  # double; a single allocation beyond 2 GiB is a finding.
  seeds="$top/fuzz/corpus/$kind"
  [ -d "$seeds" ] || seeds="$out/seeds/$kind"
  "$out/fuzz/fuzz_$kind" "$corpus" "$seeds" -max_total_time="$seconds" -max_len=65536 \
    -rss_limit_mb=4096 -malloc_limit_mb=2048 -timeout=25 -print_final_stats=1 -artifact_prefix="$artifacts/$kind-" >"$log" 2>&1 || rc=$?
  took=$(($(date +%s) - start))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  [ -n "$runs" ] || runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
  found=$(ls "$artifacts/$kind-"* 2>/dev/null || true)
  if [ "$rc" -ne 0 ] || [ -n "$found" ]; then
    failed=1
    echo "$kind: CRASH after ${runs:-?} executions in ${took} s (exit $rc); log $log"
    [ -z "$found" ] || echo "$found" | sed 's/^/  input: /'
    grep -m1 -E '^==[0-9]+==ERROR|runtime error|deadly signal|ALARM' "$log" | sed 's/^/  /' || true
  else
    echo "$kind: no crash, ${runs:-?} executions in ${took} s; log $log"
  fi
done
exit $failed
