#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test without a display.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export QT_QPA_PLATFORM=offscreen MALVO_HOME="$home"
cd "$top/build"
ctest --output-on-failure -j "$(nproc)" "$@"
