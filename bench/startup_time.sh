#!/usr/bin/env bash
# Times the game from its start to a visible window on the shipped "Theme1", under a virtual X server with a
# window manager, as a desktop starts it: RUNS runs, each on a fresh copy of the program folder, and the median.
# Usage: bench/startup_time.sh [BUILD_FOLDER [RUNS]]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build}
runs=${2:-11}
if [ -z "${DISPLAY:-}" ] || [ -z "${STARTUP_TIME_UNDER_X:-}" ]; then
    export STARTUP_TIME_UNDER_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        sh -c 'openbox >/dev/null 2>&1 & sleep 0.5; exec "$0" "$@"' "$0" "$build" "$runs"
fi
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
times=()
for ((run = 0; run < runs; run++)); do
    rm -rf "$work/program" && mkdir "$work/program"
    cp "$build/bin/vantor" "$work/program/" && cp -r "$build/bin/Theme1" "$work/program/"
    start=$(date +%s%N)
    (cd "$work/program" && exec ./vantor >/dev/null 2>&1) &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" --name '^Vantor - Theme1$' >/dev/null 2>&1; do :; done
    times+=($((($(date +%s%N) - start) / 1000000)))
    kill "$pid" && wait "$pid" 2>/dev/null || true
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n | paste -sd ' ')
echo "start to visible window, ms: $sorted"
echo "median: $(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p") ms"
