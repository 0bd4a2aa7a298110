#!/usr/bin/env bash
# Runs the real game on a copy of its program folder under an X server of its own, checks that its window
# shows the default theme with a drawn picture, closes it as a window manager would and expects a clean exit.
# With "mid-round" it first clicks Start and closes the window while the round's loop runs.
# Usage: game_window_test.sh GAME_EXECUTABLE THEME_FOLDER CLOSE_WINDOW_TOOL [mid-round]
set -uo pipefail

if [ $# -lt 3 ]; then
    echo "usage: game_window_test.sh GAME_EXECUTABLE THEME_FOLDER CLOSE_WINDOW_TOOL [mid-round]"
    exit 2
fi
game=$1
theme=$2
closeWindow=$3
midRound=${4:-}
title="Vantor - Theme1"
windowWaitTenths=200
# Generous for a sanitizer build, whose leak check runs at the exit.
exitWaitTenths=300

work=$(mktemp -d)
gamePid=""
source "$(dirname "$0")/x_server.sh"

cleanup() {
    [ -n "$gamePid" ] && kill -9 "$gamePid" 2>/dev/null
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -s "$work/game.log" ]; then
        echo "--- the game's output ---"
        cat "$work/game.log"
    fi
    exit 1
}

for tool in xdotool import identify compare; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# The game reads its themes beside its own executable and writes the scores there: it runs on a copy, so
# the build's high scores stay as they are.
mkdir "$work/program"
cp "$game" "$work/program/vantor"
cp -r "$theme" "$work/program/" || fail "cannot copy $theme"

start_x_server "$work"

export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
(cd "$work/program" && exec ./vantor >"$work/game.log" 2>&1) &
gamePid=$!

# Every X client gets a time limit: a wedged server must fail the test, not hang it.
visibleWindows() {
    timeout 10 xdotool search --onlyvisible --pid "$gamePid" 2>/dev/null
}

windowName() {
    timeout 10 xdotool getwindowname "$1" 2>/dev/null
}

screenshot() {
    timeout 10 import -window "$window" "$1" 2>/dev/null
}

# Every window the game maps is either its main window or a modal box; a box at start-up means something
# went wrong, and nobody would be there to answer it.

window=""
for ((i = 0; i < windowWaitTenths; i++)); do
    if ! kill -0 "$gamePid" 2>/dev/null; then
        wait "$gamePid"
        status=$?
        blame_display_if_unreachable "$work/game.log"
        fail "the game ended at start-up with status $status"
    fi
    for candidate in $(visibleWindows); do
        name=$(windowName "$candidate")
        if [ "$name" = "$title" ]; then
            window=$candidate
        else
            fail "an unexpected window appeared at start-up: \"$name\""
        fi
    done
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled \"$title\" within $((windowWaitTenths / 10)) s"

# The first paint may follow the mapping by a moment: look again until the picture is drawn.
deviation=0
colours=0
for ((i = 0; i < 50; i++)); do
    if screenshot "$work/shot.png"; then
        read -r deviation colours < <(identify -format '%[fx:int(standard_deviation*1000)] %k\n' "$work/shot.png")
        [ "$deviation" -ge 30 ] && [ "$colours" -ge 16 ] && break
    fi
    sleep 0.1
done
echo "screenshot: $(identify -format '%wx%h' "$work/shot.png" 2>/dev/null), deviation $deviation/1000, $colours colours"
[ "$deviation" -ge 30 ] || fail "the window looks blank: standard deviation $deviation/1000"
[ "$colours" -ge 16 ] || fail "the window holds only $colours colours"

extra=$(visibleWindows | grep -vx "$window" | head -n 1)
[ -z "$extra" ] || fail "an unexpected window is open: \"$(windowName "$extra")\""

# Start sits at the left of the button row, whose bottom is 8 pixels above the window's.
startRound() {
    local height changed
    height=$(timeout 10 xdotool getwindowgeometry "$window" | awk '/Geometry:/ { split($2, size, "x"); print size[2] }')
    timeout 10 xdotool mousemove --window "$window" 89 $((height - 25)) click 1
    # Once the loop runs, its clock ticks on the window: two pictures a moment apart differ. Before the
    # round the window stands still.
    for ((i = 0; i < 10; i++)); do
        screenshot "$work/before.png" || continue
        sleep 0.2
        screenshot "$work/after.png" || continue
        changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)
        awk -v n="$changed" 'BEGIN { exit !(n > 0) }' && return
    done
    fail "the round did not start: the window stood still after the click on Start"
}

if [ "$midRound" = "mid-round" ]; then
    startRound
    extra=$(visibleWindows | grep -vx "$window" | head -n 1)
    [ -z "$extra" ] || fail "an unexpected window opened in the round: \"$(windowName "$extra")\""
fi

timeout 10 "$closeWindow" "$window" || fail "could not send WM_DELETE_WINDOW to window $window"

for ((i = 0; i < exitWaitTenths; i++)); do
    kill -0 "$gamePid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$gamePid" 2>/dev/null; then
    extra=$(visibleWindows | head -n 1)
    [ -n "$extra" ] &&
        fail "the game still runs $((exitWaitTenths / 10)) s after the close, showing \"$(windowName "$extra")\""
    fail "the game still runs $((exitWaitTenths / 10)) s after the close"
fi
wait "$gamePid"
status=$?
gamePid=""
[ "$status" -eq 0 ] || fail "the game exited with status $status after the close"
echo "PASS: \"$title\" opened, drawn, ${midRound:+ran a round, }closed by WM_DELETE_WINDOW, exit status 0"
