#!/usr/bin/env bash
# Installs what is missing, builds, and starts a program: the demonstration
# program Dromlet, or the assistant Corvane when asked (run.sh corvane); on a
# machine with no display it runs under a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-dromlet}
case "$program" in
  dromlet) target=dromlet; binary=build/demo/dromlet ;;
  corvane) target=corvane; binary=build/assistant/ui/corvane ;;
  *) echo "usage: $0 [dromlet|corvane]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)" --target "$target"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting $program under a virtual display (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$binary"
fi
exec "$binary"
