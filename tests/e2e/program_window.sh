# Sourced by the end-to-end scripts after x_server.sh: start a real program, find its window, check that it is
# drawn, close it as a window manager would and expect a clean exit. `fail` comes from the sourcing script;
# `work` is its scratch folder.

programPid=""
window=""

# start_program FOLDER EXECUTABLE: runs it in its folder, its output kept in $work/program.log.
start_program() {
    (cd "$1" && exec "./$2" >"$work/program.log" 2>&1) &
    programPid=$!
}

stop_program() {
    [ -n "$programPid" ] && kill -9 "$programPid" 2>/dev/null
    programPid=""
}

# Every X client gets a time limit: a wedged server must fail the test, not hang it.
visibleWindows() {
    timeout 10 xdotool search --onlyvisible --pid "$programPid" 2>/dev/null
}

windowName() {
    timeout 10 xdotool getwindowname "$1" 2>/dev/null
}

screenshot() {
    timeout 10 import -window "$window" "$1" 2>/dev/null
}

# wait_for_window TITLE: every window the program maps is its main window or a modal box; a box at start-up
# means something went wrong, and nobody would be there to answer it.
wait_for_window() {
    local title=$1 i candidate name status
    for ((i = 0; i < 200; i++)); do
        if ! kill -0 "$programPid" 2>/dev/null; then
            wait "$programPid"
            status=$?
            blame_display_if_unreachable "$work/program.log"
            fail "the program ended at start-up with status $status"
        fi
        for candidate in $(visibleWindows); do
            name=$(windowName "$candidate")
            if [ "$name" = "$title" ]; then
                window=$candidate
            else
                fail "an unexpected window appeared at start-up: \"$name\""
            fi
        done
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    fail "no window titled \"$title\" within 20 s"
}

# The first paint may follow the mapping by a moment: look again until a picture is drawn.
expect_drawn() {
    local deviation=0 colours=0 i extra
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
}

# wait_for_box TITLE: the modal box of that title, once shown and holding the keyboard focus, ready for keys.
wait_for_box() {
    local title=$1 box="" focus i
    for ((i = 0; i < 100; i++)); do
        box=$(timeout 10 xdotool search --all --onlyvisible --pid "$programPid" --name "^$title\$" 2>/dev/null | head -n 1)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || fail "no box titled \"$title\" within 10 s"
    # The window manager gives a new modal box the focus itself; a box of a window already active is not activated
    # again on request.
    for ((i = 0; i < 50; i++)); do
        focus=$(timeout 10 xdotool getwindowfocus 2>/dev/null)
        [ "$focus" = "$box" ] && return 0
        sleep 0.1
    done
    fail "the box \"$title\" did not get the keyboard focus"
}

# Two pictures of the window a moment apart differ once something moves on it.
window_changes() {
    local changed i
    for ((i = 0; i < 10; i++)); do
        screenshot "$work/before.png" || continue
        [ $# -gt 0 ] && "$@"
        sleep 0.2
        screenshot "$work/after.png" || continue
        changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)
        awk -v n="$changed" 'BEGIN { exit !(n > 0) }' && return 0
    done
    return 1
}

# close_and_expect_clean_exit: the window manager is asked to close the window, as its close button does (it
# sends the program WM_DELETE_WINDOW), then status 0 within 30 s (generous for a sanitizer build, whose leak
# check runs at the exit).
close_and_expect_clean_exit() {
    timeout 10 wmctrl -i -c "$window" || fail "the window manager could not close window $window"
    expect_clean_exit
}

# expect_clean_exit: the program ends by itself within 30 s, with status 0.
expect_clean_exit() {
    local i extra status
    for ((i = 0; i < 300; i++)); do
        kill -0 "$programPid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$programPid" 2>/dev/null; then
        extra=$(visibleWindows | head -n 1)
        [ -n "$extra" ] && fail "the program still runs 30 s after the close, showing \"$(windowName "$extra")\""
        fail "the program still runs 30 s after the close"
    fi
    wait "$programPid"
    status=$?
    programPid=""
    [ "$status" -eq 0 ] || fail "the program exited with status $status after the close"
}
