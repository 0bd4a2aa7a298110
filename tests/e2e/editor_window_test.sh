#!/usr/bin/env bash
# Runs the real editor on a program folder of its own under an X server of its own, checks that its window
# "Create" opens drawn, closes it as a window manager would and expects a clean exit. With "mid-drag" it first
# presses the left button on the current object, drags it across the canvas, and closes the window while the
# button is still held: the drag ends there, and the editor asks to save it; Discard ends the program.
# Usage: editor_window_test.sh EDITOR_EXECUTABLE THEME_FOLDER [mid-drag]
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: editor_window_test.sh EDITOR_EXECUTABLE THEME_FOLDER [mid-drag]"
    exit 2
fi
editor=$1
theme=$2
midDrag=${3:-}
title="Create"

programLabel="the editor"
source "$(dirname "$0")/e2e_session.sh"

require_tools xdotool xwininfo import identify compare

# The theme given is what the editor finds as its default theme.
mkdir "$work/program"
cp "$editor" "$work/program/ornavel"
cp -r "$theme" "$work/program/Theme1" || fail "cannot copy $theme"
read -r objectX objectY < <(tr -d '\r' <"$theme/Theme.ini" | head -n 2 | paste -sd ' ')
# The editor's client area below its menu bar at start-up: the canvas, as large as the theme's background, at
# (264, 8), or further right where the panels beside it are wider for their texts, with 10 pixels to spare right
# of it and below it.
canvasWidth=$(identify -format %w "$theme/bg.bmp")
clientHeight=$((8 + $(identify -format %h "$theme/bg.bmp") + 10))

start_session
export QT_QPA_PLATFORM=xcb
start_program "$work/program" ornavel
wait_for_window "$title"
expect_drawn

if [ "$midDrag" = "mid-drag" ]; then
    read -r left top width height < <(xwininfo -id "$window" |
        awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF }
             /Height:/ { h = $NF } END { print x, y, w, h }')
    canvasLeft=$((left + width - 10 - canvasWidth))
    canvasTop=$((top + height - clientHeight + 8))
    # A solid pixel of the theme's first object, a little inside its corner.
    x=$((canvasLeft + objectX + 8))
    y=$((canvasTop + objectY + 20))
    timeout 10 xdotool mousemove "$x" "$y" mousedown 1
    step=0
    dragOn() {
        step=$((step + 1))
        timeout 10 xdotool mousemove $((x + 6 * step)) $((y - 3 * step))
    }
    window_changes dragOn || fail "the object did not follow the pointer"
fi

if [ "$midDrag" = "mid-drag" ]; then
    timeout 10 wmctrl -i -c "$window" || fail "the window manager could not close window $window"
    wait_for_box "Ornavel"
    timeout 10 xdotool key alt+d
    expect_clean_exit
else
    close_and_expect_clean_exit
fi
echo "PASS: \"$title\" opened, drawn, ${midDrag:+dragged an object, }closed by WM_DELETE_WINDOW, exit status 0"
