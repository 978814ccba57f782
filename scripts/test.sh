#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test without a display.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh"
# Every test process makes a private data folder of its own (tests/common/TestMain.cpp), so
# tests running side by side never share one.
unset MALVO_HOME
export QT_QPA_PLATFORM=offscreen
cd "$top/build"
ctest --output-on-failure -j "$(nproc)" "$@"
