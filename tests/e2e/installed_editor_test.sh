#!/usr/bin/env bash
# The editor installed by `cmake --install`, run by a user with a fresh home under an X server with a window
# manager: it saves a theme through its menu with the keyboard alone (Alt+F, S, the dialog's fields by Tab), the
# theme lands in the user's theme folder, and the installed game lists it in its chooser and loads it. Nothing
# under the prefix changes.
# Usage: installed_editor_test.sh BUILD_FOLDER
set -uo pipefail

if [ $# -lt 1 ]; then
    echo "usage: installed_editor_test.sh BUILD_FOLDER"
    exit 2
fi
build=$1
themeName="Typed Theme"

programLabel="the installed program"
source "$(dirname "$0")/e2e_session.sh"
source "$(dirname "$0")/installed_tree.sh"
require_tools cmake xdotool xwininfo xprop import identify sha256sum

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || fail "cmake --install failed: $(cat "$work/install.log")"
prefix=$work/prefix
tree_checksums "$prefix" >"$work/before.txt"

start_session
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_DIRS="$work/no-system-data"
saved="$XDG_DATA_HOME/vantor/themes/$themeName"

start_program "$prefix/games" ornavel
wait_for_window "Create"
expect_drawn
timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the editor's window"
timeout 10 xdotool key alt+f
sleep 0.3
timeout 10 xdotool key s
wait_for_box "About Theme"
# The description has the focus: four Tabs reach the name (past OK, the date line and Cancel); from the name
# two more reach OK, past the description.
timeout 10 xdotool key --delay 50 Tab Tab Tab Tab ctrl+a
timeout 10 xdotool type --delay 30 "$themeName"
timeout 10 xdotool key --delay 50 Tab Tab space
for ((i = 0; i < 50; i++)); do
    [ -f "$saved/ThemeDetails.ini" ] && break
    sleep 0.1
done
[ -f "$saved/ThemeDetails.ini" ] || fail "no theme folder \"$themeName\" in the user's theme folder after the save"
for file in Theme.ini Theme2.ini bg.bmp pS.bmp pM.bmp ss0.bmp sm0.bmp cs0.bmp cm0.bmp; do
    [ -s "$saved/$file" ] || fail "the save wrote no $file"
done
close_and_expect_clean_exit
echo "the editor saved \"$themeName\" into $XDG_DATA_HOME/vantor/themes"

window=""
start_program "$prefix/games" vantor
wait_for_window "Vantor - Theme1"
expect_drawn
timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the game's window"
open_game_chooser "$prefix"
# The list holds the focus; typing a name's beginning picks it, and Enter is OK.
timeout 10 xdotool type --delay 50 "Ty"
timeout 10 xdotool key Return
# A theme fresh from the editor has no score table yet, which the game says as it loads it.
expect_theme_loaded "$themeName"
extra=$(visibleWindows | grep -vx "$window" | head -n 1)
[ -z "$extra" ] || fail "an unexpected window is open after the load: \"$(windowName "$extra")\""
close_and_expect_clean_exit

tree_checksums "$prefix" >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" || fail "files under the prefix changed: $(diff "$work/before.txt" "$work/after.txt")"
echo "PASS: the installed editor saved \"$themeName\" for the user; the installed game listed and loaded it; the prefix is unchanged"
