#!/usr/bin/env bash
# The Debian package made from the build: lintian --pedantic finds no error and no warning in it, and unpacked
# into a scratch root with `dpkg-deb -x` it passes the validators, answers --help and --version without a display,
# and plays a whole round of the shipped Theme1 through its window to a high score kept in the user's data, with
# every file of the package unchanged.
# Usage: package_test.sh BUILD_FOLDER ROUND_PLAN
set -uo pipefail

if [ $# -lt 2 ]; then
    echo "usage: package_test.sh BUILD_FOLDER ROUND_PLAN"
    exit 2
fi
build=$1
roundPlan=$2

programLabel="the packaged game"
source "$(dirname "$0")/e2e_session.sh"
source "$(dirname "$0")/installed_tree.sh"
require_tools cpack lintian dpkg-deb xdotool xwininfo import identify sha256sum

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
package=$(ls "$work"/package/vantor_*.deb 2>/dev/null | head -n 1)
[ -n "$package" ] || fail "cpack made no package: $(cat "$work/cpack.log")"
echo "package: $(basename "$package"), $(stat -c %s "$package") bytes"
dpkg-deb -f "$package" Depends | sed 's/^/Depends: /'

# lintian says on standard error that it runs as root; what it finds goes to standard output.
lintian --pedantic --display-info "$package" >"$work/lintian.txt" 2>"$work/lintian.err"
echo "lintian --pedantic: $(wc -l <"$work/lintian.txt") lines"
cat "$work/lintian.txt"
grep -q '^[EW]:' "$work/lintian.txt" && fail "lintian reports errors or warnings"
grep -vq 'running with root privileges' "$work/lintian.err" 2>/dev/null && fail "lintian failed: $(cat "$work/lintian.err")"

dpkg-deb -x "$package" "$work/root" || fail "dpkg-deb -x failed"
prefix=$work/root/usr
tree_checksums "$prefix" >"$work/before.txt"
expect_validators_pass "$prefix"
expect_options_without_display "$prefix"

start_session
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_DIRS="$work/no-system-data"
play_round_to_high_score "$prefix" "Packaged Player"
expect_high_score "$XDG_DATA_HOME/vantor/scores/Theme1/HighScores.ini" "Packaged Player"

tree_checksums "$prefix" >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" || fail "files of the package changed: $(diff "$work/before.txt" "$work/after.txt")"
echo "PASS: the package is lintian-clean and, unpacked, validated and played to a high score in the user's data; $(wc -l <"$work/before.txt") files unchanged"
