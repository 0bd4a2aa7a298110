#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) into build-fuzz
# and runs them.
#   tools/fuzz.sh TARGET SECONDS     runs one target for that long; what it finds goes to build-fuzz/findings
#   tools/fuzz.sh --all RUNS_FILE    runs every target for the fixed number of runs the file gives it, from a
#                                    fixed seed, over its seed corpus and its kept regression inputs, for two
#                                    minutes at most each
# Targets: record_reader_fuzz theme_package_fuzz bitmap_fuzz metafile_header_fuzz high_scores_fuzz hive_fuzz
#          preview_file_fuzz theme_archive_fuzz
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

if [ $# -ne 2 ]; then
    sed -n '2,9p' "$0"
    exit 2
fi

if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON \
        -DVANTOR_BENCHMARKS=OFF >/dev/null
fi
cmake --build build-fuzz --target fuzz_targets

# A reader must refuse, not take, what no theme needs: more than its picture budget in one allocation.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
limits=(-rss_limit_mb=2048 -malloc_limit_mb=300 -timeout=10)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

run() {
    local target=$1
    shift
    mkdir -p "$scratch/$target"
    local inputs=(tests/fuzz/corpus/"$target")
    [ -d "tests/fuzz/regressions/$target" ] && inputs+=(tests/fuzz/regressions/"$target")
    "build-fuzz/fuzz/$target" "${limits[@]}" "$@" "$scratch/$target" "${inputs[@]}"
}

if [ "$1" = "--all" ]; then
    status=0
    while read -r target runs; do
        [ -z "$target" ] || [ "${target:0:1}" = "#" ] && continue
        echo "== $target: $runs runs"
        # The runs are the budget; the time only bounds a machine where they crawl: the bitmap reader's runs, a
        # few seconds as a rule, once took six minutes here in the middle of the suite.
        if run "$target" -runs="$runs" -seed=1 -max_total_time=120 >"$scratch/$target.log" 2>&1; then
            grep -E '^Done' "$scratch/$target.log"
        else
            cat "$scratch/$target.log"
            echo "FAILED: $target"
            status=1
        fi
    done <"$2"
    exit $status
fi

mkdir -p build-fuzz/findings
run "$1" -max_total_time="$2" -artifact_prefix=build-fuzz/findings/"$1"-
