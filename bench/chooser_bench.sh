#!/usr/bin/env bash
# Runs chooser_bench under a virtual X server with a window manager, as the chooser opens on a desktop.
# Usage: bench/chooser_bench.sh [BUILD_FOLDER [BENCHMARK_OPTIONS...]]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
shift || true
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    sh -c 'openbox >/dev/null 2>&1 & sleep 0.5; exec "$0" "$@"' "$build/bench/chooser_bench" "$@"
