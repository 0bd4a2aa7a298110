#!/usr/bin/env bash
# Both real programs in one fresh program folder with the shipped themes, under an X server with a window
# manager: the editor saves a theme through its menu with the keyboard alone (Alt+F, S, the dialog's fields by
# Tab), both programs show their windows and exit with status 0 when closed.
# Usage: keyboard_save_test.sh PROGRAM_FOLDER
set -uo pipefail

if [ $# -lt 1 ]; then
    echo "usage: keyboard_save_test.sh PROGRAM_FOLDER"
    exit 2
fi
built=$1
themeName="Typed Theme"

programLabel="the program"
source "$(dirname "$0")/e2e_session.sh"

require_tools xdotool xprop import identify

mkdir "$work/program"
cp "$built/vantor" "$built/ornavel" "$work/program/" || fail "cannot copy the programs from $built"
cp -r "$built/Theme1" "$built/Workshop" "$work/program/" || fail "cannot copy the shipped themes from $built"

start_session
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

start_program "$work/program" ornavel
wait_for_window "Create"
expect_drawn
timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the editor's window"
timeout 10 xdotool key alt+f
sleep 0.3
timeout 10 xdotool key s
dialog=""
for ((i = 0; i < 50; i++)); do
    dialog=$(timeout 10 xdotool search --onlyvisible --name '^About Theme$' | head -n 1)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || fail "Alt+F, S did not open \"About Theme\""
# The description has the focus: four Tabs reach the name (past OK, the date line and Cancel); from the name
# two more reach OK, past the description.
timeout 10 xdotool key --delay 50 Tab Tab Tab Tab ctrl+a
timeout 10 xdotool type --delay 30 "$themeName"
timeout 10 xdotool key --delay 50 Tab Tab space
for ((i = 0; i < 50; i++)); do
    [ -f "$work/program/$themeName/ThemeDetails.ini" ] && break
    sleep 0.1
done
[ -f "$work/program/$themeName/ThemeDetails.ini" ] || fail "no theme folder \"$themeName\" after the save"
head -c 37 "$work/program/$themeName/ThemeDetails.ini" | grep -q '^"This theme was created by YOUR_NAME' ||
    fail "the details file does not hold the dialog's description"
for file in Theme.ini Theme2.ini bg.bmp pS.bmp pM.bmp ss0.bmp sm0.bmp cs0.bmp cm0.bmp; do
    [ -s "$work/program/$themeName/$file" ] || fail "the save wrote no $file"
done
extra=$(visibleWindows | grep -vx "$window" | head -n 1)
[ -z "$extra" ] || fail "a window stayed open after the save: \"$(windowName "$extra")\""
close_and_expect_clean_exit

window=""
start_program "$work/program" vantor
wait_for_window "Vantor - Theme1"
expect_drawn
close_and_expect_clean_exit
echo "PASS: the editor saved \"$themeName\" by keyboard; both programs opened and exited with status 0"
