#!/usr/bin/env bash
# Sharing a theme end to end, with both programs installed by `cmake --install`: the editor, opened on a theme
# folder of one user, exports it through File > Export Theme… and the standard save dialog as one zip archive;
# then, for a second user with a fresh home, the game's chooser adds that archive through Add Theme… and its
# open dialog, lists and selects it, loads it on Enter, and a whole round is played on it through the window to
# a high score kept with the added theme. Nothing under the prefix changes.
# Usage: share_theme_test.sh BUILD_FOLDER ROUND_PLAN
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: share_theme_test.sh BUILD_FOLDER ROUND_PLAN"
    exit 2
fi
build=$1
roundPlan=$2
themeName="Shared Lake"

programLabel="the installed program"
source "$(dirname "$0")/e2e_session.sh"
source "$(dirname "$0")/installed_tree.sh"
require_tools cmake xdotool xwininfo import identify sha256sum

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || fail "cmake --install failed: $(cat "$work/install.log")"
prefix=$work/prefix
tree_checksums "$prefix" >"$work/before.txt"
mkdir -p "$work/maker/$themeName" "$work/outbox"
cp "$prefix/share/vantor/themes/Theme1/"* "$work/maker/$themeName/" || fail "cannot copy the shipped Theme1"
archive="$work/outbox/$themeName.zip"

start_session
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_DIRS="$work/no-system-data"

# File > Export Theme… (Alt+F, E); the save dialog suggests the theme's name and takes a whole path typed over it.
(cd "$prefix/games" && exec ./ornavel "$work/maker/$themeName" >"$work/program.log" 2>&1) &
programPid=$!
wait_for_window "Create"
expect_drawn
timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the editor's window"
timeout 10 xdotool key alt+f
sleep 0.3
timeout 10 xdotool key e
wait_for_box "Export Theme"
timeout 10 xdotool key ctrl+a
timeout 10 xdotool type --delay 20 "$archive"
timeout 10 xdotool key Return
for ((i = 0; i < 50; i++)); do
    [ -s "$archive" ] && break
    sleep 0.1
done
[ -s "$archive" ] || fail "no archive at $archive after the export: $(ls -A "$work/outbox")"
close_and_expect_clean_exit
echo "the editor exported \"$themeName\" as $(wc -c <"$archive") bytes"

# A second user: a fresh home and data folder, no theme but the installed ones.
export HOME="$work/home2" XDG_CONFIG_HOME="$work/config2" XDG_DATA_HOME="$work/data2" XDG_CACHE_HOME="$work/cache2"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
added="$XDG_DATA_HOME/vantor/themes/$themeName"

window=""
start_program "$prefix/games" vantor
wait_for_window "Vantor - Theme1"
expect_drawn
timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the game's window"
open_game_chooser "$prefix"
timeout 10 xdotool key alt+a
wait_for_box "Add Theme"
timeout 10 xdotool type --delay 20 "$archive"
timeout 10 xdotool key Return
wait_for_box "Choose a theme"
for ((i = 0; i < 50; i++)); do
    [ -f "$added/Theme.ini" ] && break
    sleep 0.1
done
[ -f "$added/Theme.ini" ] || fail "the chooser added no theme at $added"
[ ! -e "$added/HighScores.ini" ] || fail "the archive brought a score table"
cmp -s "$added/HitTube.wav" "$work/maker/$themeName/HitTube.wav" || fail "the theme's sound cues did not come with it"
hidden=$(ls -A "$XDG_DATA_HOME/vantor/themes" | grep '^\.')
[ -z "$hidden" ] || fail "a temporary folder stayed in the user's themes: $hidden"
# The added theme is selected, and the list holds the focus: Enter is OK.
timeout 10 xdotool key Return
# A theme shared without its scores has no score table yet, which the game says as it loads it and as a round
# starts.
expect_theme_loaded "$themeName"
timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the game's window"
"$roundPlan" "$added" >"$work/plan.txt" || fail "no round plan for the added theme"
play_planned_round "$work/plan.txt" "Second User" no-scores-yet
close_and_expect_clean_exit
scores=$(find "$XDG_DATA_HOME" -name HighScores.ini | head -n 1)
expect_high_score "$scores" "Second User"

tree_checksums "$prefix" >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" || fail "files under the prefix changed: $(diff "$work/before.txt" "$work/after.txt")"
echo "PASS: the editor exported \"$themeName\"; a second user's game added it from its chooser and played a round on it"
