#!/usr/bin/env bash
# Runs the fuzz targets of a build folder for a bounded time each, every one from a fresh copy
# of its seed corpus, so that the repository is never written to.
#   fuzz/run-fuzz.sh BUILD_DIR SECONDS [TARGET...]
# Work folders (corpus, crash inputs, log) are BUILD_DIR/fuzz-runs/TARGET. The exit status is 1
# when any target found a failing input.
set -uo pipefail

build=${1:?build folder}
seconds=${2:?seconds per target}
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_record fuzz_numbers fuzz_diacriticals fuzz_accents fuzz_title fuzz_settings
             fuzz_cli fuzz_cli_args fuzz_scans fuzz_field_reader fuzz_parameters fuzz_infobox
             fuzz_gzip fuzz_gzip_index)
fi

# Largest single allocation per target, in MiB: an index cache file of any content must not make
# the loader take more than an index of the most points can hold.
malloc_limit() {
    case $1 in
        fuzz_gzip_index) echo 32 ;;
        *) echo 2048 ;;
    esac
}

# Longest input per target: a few records, a small names table, a short number text.
max_len() {
    case $1 in
        fuzz_numbers) echo 600 ;;
        fuzz_record) echo 1100 ;;
        fuzz_title) echo 1200 ;;
        fuzz_cli) echo 3000 ;;
        fuzz_parameters) echo 200 ;;
        fuzz_infobox) echo 400 ;;
        fuzz_cli_args) echo 300 ;;
        fuzz_scans) echo 6000 ;;
        fuzz_field_reader) echo 2200 ;;
        fuzz_gzip | fuzz_gzip_index) echo 12000 ;;
        *) echo 2000 ;;
    esac
}

failed=0
for target in "${targets[@]}"; do
    binary="$build/fuzz/$target"
    if [ ! -x "$binary" ]; then
        echo "$target: not built in $build" >&2
        failed=1
        continue
    fi
    work="$build/fuzz-runs/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp "$root/tests/fuzz-corpus/$target/"* "$work/corpus/" 2>/dev/null || true
    dict=()
    [ -f "$root/fuzz/$target.dict" ] && dict=(-dict="$root/fuzz/$target.dict")
    echo "== $target: $seconds s from $(ls "$work/corpus" | wc -l) seeds"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$binary" "$work/corpus" -max_total_time="$seconds" -max_len="$(max_len "$target")" \
        -timeout=20 -rss_limit_mb=2048 -malloc_limit_mb="$(malloc_limit "$target")" -print_final_stats=1 \
        -artifact_prefix="$work/artifacts/" "${dict[@]}" >"$work/log" 2>&1
    status=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$' | tail -1)
    if [ $status -ne 0 ] || [ -n "$(ls -A "$work/artifacts")" ]; then
        echo "$target: FAILED after ${runs:-?} runs; inputs in $work/artifacts, log $work/log"
        failed=1
    else
        echo "$target: ${runs:-?} runs, no failure"
    fi
done
exit $failed
