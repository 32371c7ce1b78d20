#!/usr/bin/env bash
# Installs what building and running need and is missing, builds the program
# alone, and starts the simulator.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" run
"$root/scripts/build.sh" vorbelia
program="${BUILD_DIR:-$root/build}/shell/vorbelia"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting on a virtual X server (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
fi
exec "$program"
