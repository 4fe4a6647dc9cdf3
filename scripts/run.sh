#!/usr/bin/env bash
# Installs what is missing, builds, and starts the demonstration program; on
# a machine with no display it runs under a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)" --target dromlet
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting Dromlet under a virtual display (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/demo/dromlet
fi
exec build/demo/dromlet
