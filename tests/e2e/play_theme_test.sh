#!/usr/bin/env bash
# Play Theme end to end, in the portable layout (a program folder holding the shipped themes) or, with
# "installed", in a tree installed by `cmake --install`: the real editor, run by a user with a fresh home under an
# X server with a window manager, has its first object dragged up (its title takes the modified mark); F5 opens the
# real game's window on the workspace as it is, from a folder under the user's temporary folder; a whole round is
# played there with real pointer events, to a high score; closing the game removes that folder, and no score file
# appears or changes anywhere. Closing the editor then asks to save the drag, and Discard ends it with status 0.
# Usage: play_theme_test.sh BUILD_FOLDER ROUND_PLAN [installed]
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: play_theme_test.sh BUILD_FOLDER ROUND_PLAN [installed]"
    exit 2
fi
build=$1
roundPlan=$2
layout=${3:-portable}
dragUp=30

programLabel="the editor"
source "$(dirname "$0")/e2e_session.sh"
source "$(dirname "$0")/installed_tree.sh"
require_tools cmake xdotool xwininfo wmctrl identify sha256sum pgrep

if [ "$layout" = "installed" ]; then
    cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
        fail "cmake --install failed: $(cat "$work/install.log")"
    programs=$work/prefix/games
    themes=$work/prefix/share/vantor/themes
    tree=$work/prefix
else
    mkdir "$work/program"
    cp "$build/bin/vantor" "$build/bin/ornavel" "$work/program/" || fail "cannot copy the programs from $build/bin"
    cp -r "$build/bin/Theme1" "$build/bin/Workshop" "$work/program/" || fail "cannot copy the shipped themes"
    programs=$work/program
    themes=$programs
    tree=$programs
fi

start_session
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_DIRS="$work/no-system-data" TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
# What the programs, the user's home and data hold; the game's settings and the desktop's caches may change.
everything() {
    tree_checksums "$tree"
    tree_checksums "$HOME"
    tree_checksums "$XDG_DATA_HOME"
}
everything >"$work/before.txt"

start_program "$programs" ornavel
editorPid=$programPid
wait_for_window "Create"
editorWindow=$window
expect_drawn
timeout 10 xdotool windowactivate --sync "$editorWindow" || fail "could not activate the editor's window"

# The first object by a solid pixel, dragged straight up; the release places its tube around it. The canvas, as
# large as the theme's background, lies at (264, 8) of the client area, or further right where the panels beside
# it are wider for their texts, with 10 pixels to spare right of it and below it.
read -r _ _ pressX pressY _ < <("$roundPlan" "$themes/Theme1" | head -n 1)
read -r objectY < <(tr -d '\r' <"$themes/Theme1/Theme.ini" | sed -n 2p)
read -r left top width height < <(xwininfo -id "$editorWindow" |
    awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF }
         /Height:/ { h = $NF } END { print x, y, w, h }')
clientHeight=$((8 + $(identify -format %h "$themes/Theme1/bg.bmp") + 10))
x=$((left + width - 10 - $(identify -format %w "$themes/Theme1/bg.bmp") + pressX))
y=$((top + height - clientHeight + 8 + pressY))
timeout 10 xdotool mousemove "$x" "$y" mousedown 1
for ((step = 1; step <= 6; step++)); do
    timeout 10 xdotool mousemove "$x" $((y - dragUp * step / 6))
    sleep 0.1
done
timeout 10 xdotool mouseup 1
for ((i = 0; i < 50; i++)); do
    [ "$(windowName "$editorWindow")" = "Create*" ] && break
    sleep 0.1
done
[ "$(windowName "$editorWindow")" = "Create*" ] || fail "no modified mark after the drag: \"$(windowName "$editorWindow")\""

timeout 10 xdotool key F5
gamePid=""
for ((i = 0; i < 100; i++)); do
    gamePid=$(pgrep -P "$editorPid" -x vantor)
    [ -n "$gamePid" ] && break
    sleep 0.1
done
[ -n "$gamePid" ] || fail "F5 started no game beside the editor"
gameWindow=""
for ((i = 0; i < 200; i++)); do
    gameWindow=$(timeout 10 xdotool search --onlyvisible --pid "$gamePid" --name '^Vantor - My theme$' 2>/dev/null | head -n 1)
    [ -n "$gameWindow" ] && break
    sleep 0.1
done
[ -n "$gameWindow" ] || fail "the game opened no window \"Vantor - My theme\""
played=$(ls -d "$TMPDIR"/ornavel-play-*/"My theme" 2>/dev/null)
[ "$(echo "$played" | grep -c .)" -eq 1 ] || fail "not one played theme folder under $TMPDIR: $played"
playedY=$(tr -d '\r' <"$played/Theme.ini" | sed -n 2p)
[ "$playedY" -eq $((objectY - dragUp)) ] || fail "the game plays object 1 at y $playedY, not where it was dragged ($((objectY - dragUp)))"
echo "F5: the game plays \"$played\", object 1 dragged up $dragUp pixels"

"$roundPlan" "$played" >"$work/plan.txt" || fail "no round plan for the played theme"
programPid=$gamePid
window=$gameWindow
programLabel="the game"
timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the game's window"
play_planned_round "$work/plan.txt" "Tester"
timeout 10 wmctrl -i -c "$gameWindow" || fail "the window manager could not close the game's window"
for ((i = 0; i < 300; i++)); do
    kill -0 "$gamePid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$gamePid" 2>/dev/null && fail "the game still runs 30 s after its window was closed"
for ((i = 0; i < 100; i++)); do
    [ -z "$(ls -A "$TMPDIR")" ] && break
    sleep 0.1
done
[ -z "$(ls -A "$TMPDIR")" ] || fail "the temporary folder stayed after the game ended: $(ls -A "$TMPDIR")"
everything >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" || fail "files changed: $(diff "$work/before.txt" "$work/after.txt")"
scores=$(find "$work" -name 'HighScores.ini*' -newer "$work/before.txt" 2>/dev/null)
[ -z "$scores" ] || fail "a score file was written: $scores"
echo "the game ended: its temporary folder is gone, and no score was kept"

programPid=$editorPid
window=$editorWindow
programLabel="the editor"
timeout 10 wmctrl -i -c "$window" || fail "the window manager could not close the editor's window"
wait_for_box "Ornavel"
timeout 10 xdotool key alt+d
expect_clean_exit
echo "PASS ($layout): F5 played the workspace in the game to a high score; no score anywhere; the editor asked before closing"
