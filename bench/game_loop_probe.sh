#!/usr/bin/env bash
# Runs game_loop_probe under a virtual X server with a window manager, as the game runs on a desktop, with the
# sound silenced. Usage: bench/game_loop_probe.sh [BUILD_FOLDER [SECONDS]]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    sh -c 'openbox >/dev/null 2>&1 & sleep 0.5; exec "$0" "$@"' "$build/bench/game_loop_probe" "${2:-5}"
