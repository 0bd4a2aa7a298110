#!/usr/bin/env bash
# Runs editor_loop_probe under a virtual X server with a window manager, as the editor runs on a desktop.
# Usage: bench/editor_loop_probe.sh [BUILD_FOLDER [DRAG_SECONDS [IDLE_SECONDS]]]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    sh -c 'openbox >/dev/null 2>&1 & sleep 0.5; exec "$0" "$@"' "$build/bench/editor_loop_probe" "${2:-5}" "${3:-10}"
