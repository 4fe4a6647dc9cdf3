#!/usr/bin/env bash
# Installs what is missing, builds, and starts a program: the assistant
# Corvane, opened on its sample project, or the demonstration program
# Dromlet when asked (run.sh dromlet). On a machine with no display it runs
# under a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-corvane}
case "$program" in
  corvane) binary=build/assistant/ui/corvane ;;
  dromlet) binary=build/demo/dromlet ;;
  *) echo "usage: $0 [corvane|dromlet]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)" --target "$program"

if [ "$program" = corvane ]; then
  # The sample project is worked on in a folder of the user's own, copied
  # there once: what the user secured in it is never overwritten.
  work="${HOME:?}/Corvane/Greenhouse"
  if [ ! -e "$work" ]; then
    mkdir -p "$(dirname "$work")"
    cp -R assistant/sample "$work"
    echo "The sample project is in $work."
  fi
  # Without settings, Corvane starts on the project that [GUI] LastApp
  # names and registers it: settings are written only when there are none.
  # They are Windows-1252 text with CR LF line breaks, as Corvane writes.
  settings="$(dirname "$binary")/Corvane.ini"
  if [ ! -e "$settings" ]; then
    if printf '[GUI]\r\nLastApp=%s\r\n' "$work/Greenhouse.dpr" | iconv -f UTF-8 -t WINDOWS-1252 > "$settings.new"; then
      mv "$settings.new" "$settings"
    else
      rm -f "$settings.new"
      echo "$work cannot be named in Windows-1252: register $work/Greenhouse.dpr with Add File." >&2
    fi
  fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting $program under a virtual display (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$binary"
fi
exec "$binary"
