#!/usr/bin/env bash
# Sets up, builds and runs every test headless: first under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the fuzz targets for a fixed number of runs, then the normal build, whose ctest summary ends the output.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup-dependencies.sh

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
echo "== Sanitizer build (ASan + UBSan) =="
tools/build.sh build-asan -DVANTOR_SANITIZE=ON -DVANTOR_BENCHMARKS=OFF
(cd build-asan && ctest --output-on-failure --timeout 300 -j2) || status=1

echo "== Fuzz targets (libFuzzer, ASan + UBSan), a fixed number of runs each =="
tools/fuzz.sh --all tests/fuzz/runs.txt || status=1

echo "== Normal build =="
tools/build.sh build
(cd build && ctest --output-on-failure --timeout 300 -j2) || status=1
exit $status
