#!/usr/bin/env bash
# Installs what is missing, builds, and launches Malvo with any pictures given as arguments.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/setup.sh"
bash "$top/scripts/build.sh"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found. Malvo is a desktop program; to run it without a screen use:"
  echo "  xvfb-run -a bash scripts/run.sh"
  exit 1
fi
exec "$top/build/app/malvo" "$@"
