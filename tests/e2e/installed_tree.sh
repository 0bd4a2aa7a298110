# Sourced by the end-to-end scripts of an installed tree, after e2e_session.sh: checks of the installed files,
# and a whole round played through the real game window of an installation.

# tree_checksums PREFIX: one line per file under the prefix, its path and its checksum, in a fixed order; a file
# added, removed or changed changes the list.
tree_checksums() {
    (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}

# expect_validators_pass PREFIX: the desktop entries and the AppStream metainfo as installed.
expect_validators_pass() {
    local prefix=$1 entry said file
    require_tools desktop-file-validate appstreamcli
    for entry in "$prefix"/share/applications/*.desktop; do
        said=$(desktop-file-validate "$entry" 2>&1)
        [ -z "$said" ] || fail "desktop-file-validate $(basename "$entry"): $said"
        echo "desktop-file-validate $(basename "$entry"): (nothing)"
    done
    [ "$(ls "$prefix"/share/applications/*.desktop | wc -l)" -eq 2 ] || fail "not two desktop entries"
    for file in "$prefix"/share/metainfo/*.metainfo.xml; do
        said=$(appstreamcli validate --no-net --pedantic "$file" 2>&1) ||
            fail "appstreamcli validate $(basename "$file"): $said"
        echo "appstreamcli validate $(basename "$file"): $said"
    done
}

# expect_options_without_display PREFIX: --help and --version answer with status 0 where no display can be had,
# and an unknown option prints the usage on standard error with status 2.
expect_options_without_display() {
    local prefix=$1 program status
    for program in vantor ornavel; do
        for option in --help --version; do
            env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/games/$program" "$option" \
                >"$work/out.txt" 2>"$work/err.txt"
            status=$?
            [ "$status" -eq 0 ] || fail "$program $option exited with status $status: $(cat "$work/err.txt")"
            [ -s "$work/out.txt" ] || fail "$program $option printed nothing"
        done
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/games/$program" --no-such-option \
            >"$work/out.txt" 2>"$work/err.txt"
        status=$?
        [ "$status" -eq 2 ] || fail "$program --no-such-option exited with status $status"
        grep -q "^Usage: $program" "$work/err.txt" || fail "$program --no-such-option printed no usage on stderr"
        [ -s "$work/out.txt" ] && fail "$program --no-such-option printed on stdout"
    done
    echo "--help and --version: status 0 without a display; an unknown option: usage on stderr, status 2"
}

# The canvas lies 8 pixels from the window's top-left corner.
moveOnCanvas() {
    timeout 10 xdotool mousemove --window "$window" $(($1 + 8)) $(($2 + 8))
    sleep 0.15
}

# play_planned_round PLAN PLAYER [no-scores-yet]: in the game's window $window (of the process $programPid), already
# active, Start, then every object of the plan (as round_plan prints it) carried into the box with real pointer
# events, the "Game Over" box answered and the high score entered under PLAYER. A theme with no score table yet
# has Start say so first, and that box is answered too.
play_planned_round() {
    local plan=$1 player=$2 height hoverX hoverY pressX pressY liftX liftY boxX boxY objects=0
    # Start sits at the left of the button row, whose bottom is 8 pixels above the window's.
    height=$(timeout 10 xwininfo -id "$window" | awk '/Height:/ { print $2 }')
    timeout 10 xdotool mousemove --window "$window" 89 $((height - 25)) click 1
    if [ "${3:-}" = "no-scores-yet" ]; then
        wait_for_box "File not found"
        timeout 10 xdotool key Return
    fi
    sleep 0.5
    while read -r hoverX hoverY pressX pressY liftX liftY boxX boxY; do
        moveOnCanvas "$hoverX" "$hoverY"
        moveOnCanvas "$pressX" "$pressY"
        timeout 10 xdotool mousedown 1
        sleep 0.15
        # A move with the button down over the object starts the carry; then out of the tube and into the box.
        moveOnCanvas "$pressX" $((pressY - 1))
        moveOnCanvas "$liftX" "$liftY"
        moveOnCanvas "$boxX" "$boxY"
        timeout 10 xdotool mouseup 1
        sleep 0.15
        objects=$((objects + 1))
    done <"$plan"
    wait_for_box "Vantor"
    timeout 10 xdotool key Return
    wait_for_box "You got a highscore"
    timeout 10 xdotool type --delay 30 "$player"
    timeout 10 xdotool key Return
    sleep 0.5
    echo "played a round of $objects objects through the window"
}

# play_round_to_high_score PREFIX PLAYER: the installed game on a fresh home plays a whole round of the shipped
# Theme1 through its window, enters the high score under PLAYER and is closed. The round is planned from the
# installed theme by round_plan.
play_round_to_high_score() {
    local prefix=$1 player=$2
    "$roundPlan" "$prefix/share/vantor/themes/Theme1" >"$work/plan.txt" || fail "no round plan for Theme1"
    window=""
    start_program "$prefix/games" vantor
    wait_for_window "Vantor - Theme1"
    expect_drawn
    timeout 10 xdotool windowactivate --sync "$window" || fail "could not activate the game's window"
    play_planned_round "$work/plan.txt" "$player"
    close_and_expect_clean_exit
}

# expect_high_score FILE PLAYER: the table's first row is the player's.
expect_high_score() {
    [ -f "$1" ] || fail "no score table at $1"
    head -n 1 "$1" | tr -d '\r' | grep -qx "\"$2\"" || fail "the first row of $1 is not \"$2\": $(head -n 3 "$1")"
    echo "the high score of \"$2\" is in $1"
}

# open_game_chooser PREFIX: in the installed game's window $window, showing Theme1 and already active, the palette
# button opens the theme chooser. The button stands right of HighScores, which the window places by the canvas's
# width: a third of what the window's width leaves beside the two 81-pixel buttons after Start, which ends at 130.
open_game_chooser() {
    local canvasWidth height paletteX
    canvasWidth=$(identify -format '%w' "$1/share/vantor/themes/Theme1/bg.bmp")
    height=$(timeout 10 xwininfo -id "$window" | awk '/Height:/ { print $2 }')
    paletteX=$(awk -v w="$canvasWidth" 'BEGIN { gap = (w + 350 / 15 - 162) / 3; x = 130 + gap; printf "%d", (x == int(x + 0.5) ? x : int(x + 0.5)) + 82 + 16 }')
    timeout 10 xdotool mousemove --window "$window" "$paletteX" $((height - 25)) click 1
    wait_for_box "Choose a theme"
}

# expect_theme_loaded NAME: the game's window $window shows theme NAME in its title, and the box saying that the
# theme has no score table yet is answered.
expect_theme_loaded() {
    local i
    for ((i = 0; i < 50; i++)); do
        [ "$(windowName "$window")" = "Vantor - $1" ] && break
        sleep 0.1
    done
    [ "$(windowName "$window")" = "Vantor - $1" ] || fail "the game did not load \"$1\": its title is \"$(windowName "$window")\""
    wait_for_box "File not found"
    timeout 10 xdotool key Return
    sleep 0.3
}
