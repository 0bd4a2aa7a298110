#!/usr/bin/env bash
# Sets up, builds, and starts the game on its shipped themes (`./run.sh editor` starts the theme editor).
set -euo pipefail
cd "$(dirname "$0")"
tools/setup-dependencies.sh
tools/build.sh build
program=vantor
[ "${1:-}" = "editor" ] && program=ornavel
cd build/bin
exec "./$program"
