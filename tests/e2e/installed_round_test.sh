#!/usr/bin/env bash
# The game installed by `cmake --install` into a prefix that is then moved elsewhere: the installed files pass the
# desktop's validators, both programs answer --help and --version without a display, and the moved game, run by a
# user with a fresh home under an X server with a window manager, plays a whole round of the shipped Theme1
# through its window to a high score. The score lands in the user's data folder, and not one file under the
# prefix changes.
# Usage: installed_round_test.sh BUILD_FOLDER ROUND_PLAN
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: installed_round_test.sh BUILD_FOLDER ROUND_PLAN"
    exit 2
fi
build=$1
roundPlan=$2

programLabel="the installed game"
source "$(dirname "$0")/e2e_session.sh"
source "$(dirname "$0")/installed_tree.sh"
require_tools cmake xdotool xwininfo import identify sha256sum

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || fail "cmake --install failed: $(cat "$work/install.log")"
mv "$work/prefix" "$work/moved" || fail "cannot move the installed tree"
prefix=$work/moved
[ -d "$prefix/share/vantor/themes/Theme1" ] && [ ! -e "$prefix/games/Theme1" ] || fail "the installed tree is not laid out"
tree_checksums "$prefix" >"$work/before.txt"

expect_validators_pass "$prefix"
expect_options_without_display "$prefix"

start_session
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_DIRS="$work/no-system-data"
play_round_to_high_score "$prefix" "Installed Player"
expect_high_score "$XDG_DATA_HOME/vantor/scores/Theme1/HighScores.ini" "Installed Player"

tree_checksums "$prefix" >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" || fail "files under the prefix changed: $(diff "$work/before.txt" "$work/after.txt")"
echo "PASS: installed, moved, validated, a round played to a high score in the user's data; $(wc -l <"$work/before.txt") files under the prefix unchanged"
