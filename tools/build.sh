#!/usr/bin/env bash
# Configures (once) and builds one build folder. Usage: tools/build.sh FOLDER [cmake options...]
set -euo pipefail
folder=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/$folder/build.ninja" ]; then
    cmake -S "$root" -B "$root/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
cmake --build "$root/$folder"
