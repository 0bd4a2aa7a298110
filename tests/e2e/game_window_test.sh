#!/usr/bin/env bash
# Runs the real game on a copy of its program folder under an X server of its own, checks that its window
# shows the default theme with a drawn picture, closes it as a window manager would and expects a clean exit.
# With "mid-round" it first clicks Start and closes the window while the round's loop runs.
# Usage: game_window_test.sh GAME_EXECUTABLE THEME_FOLDER [mid-round]
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: game_window_test.sh GAME_EXECUTABLE THEME_FOLDER [mid-round]"
    exit 2
fi
game=$1
theme=$2
midRound=${3:-}
title="Vantor - Theme1"

programLabel="the game"
source "$(dirname "$0")/e2e_session.sh"

require_tools xdotool import identify compare

# The game reads its themes beside its own executable and writes the scores there: it runs on a copy, so
# the build's high scores stay as they are.
mkdir "$work/program"
cp "$game" "$work/program/vantor"
cp -r "$theme" "$work/program/" || fail "cannot copy $theme"

start_session
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
start_program "$work/program" vantor
wait_for_window "$title"
expect_drawn

# Start sits at the left of the button row, whose bottom is 8 pixels above the window's.
clickStart() {
    local height
    height=$(timeout 10 xdotool getwindowgeometry "$window" | awk '/Geometry:/ { split($2, size, "x"); print size[2] }')
    timeout 10 xdotool mousemove --window "$window" 89 $((height - 25)) click 1
}

if [ "$midRound" = "mid-round" ]; then
    clickStart
    # Once the loop runs, its clock ticks on the window; before the round the window stands still.
    window_changes || fail "the round did not start: the window stood still after the click on Start"
    extra=$(visibleWindows | grep -vx "$window" | head -n 1)
    [ -z "$extra" ] || fail "an unexpected window opened in the round: \"$(windowName "$extra")\""
fi

close_and_expect_clean_exit
echo "PASS: \"$title\" opened, drawn, ${midRound:+ran a round, }closed by WM_DELETE_WINDOW, exit status 0"
