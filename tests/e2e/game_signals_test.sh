#!/usr/bin/env bash
# Ctrl+C in the terminal, `kill` and the end of a desktop session must end the game, also while its sound
# device is open: the real game, with a sound device of SDL's own, gets SIGTERM and then, started again,
# SIGINT, and must be gone within 2 s of each.
# Usage: game_signals_test.sh GAME_EXECUTABLE THEME_FOLDER
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: game_signals_test.sh GAME_EXECUTABLE THEME_FOLDER"
    exit 2
fi
game=$1
theme=$2

programLabel="the game"
source "$(dirname "$0")/e2e_session.sh"

require_tools xdotool
mkdir "$work/program"
cp "$game" "$work/program/vantor"
cp -r "$theme" "$work/program/" || fail "cannot copy $theme"

start_session
# The dummy driver opens a device as a real one does, so SDL's audio subsystem is running.
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

for signal in TERM INT; do
    window=""
    start_program "$work/program" vantor
    wait_for_window "Vantor - Theme1"
    # The game opens its sound device once its window is up: give it the moment it takes.
    sleep 0.5
    kill -s "$signal" "$programPid"
    for ((i = 0; i < 20; i++)); do
        kill -0 "$programPid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$programPid" 2>/dev/null && fail "the game still runs 2 s after SIG$signal"
    wait "$programPid"
    programPid=""
    echo "SIG$signal ended the game"
done
echo "PASS: SIGTERM and SIGINT each ended the game within 2 s"
