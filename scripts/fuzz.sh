#!/bin/bash
# Builds the fuzz targets of the suite's readers (clang, libFuzzer, address and
# undefined-behaviour sanitizers) into build-fuzz/ and runs each for the given
# number of seconds, several at a time, starting from the seed corpora in
# tests/fuzz/corpus/. A crash, a sanitizer report, a run of one input over 10 s
# or a leak fails the pass; the input that did it is kept in
# build-fuzz/artifacts/<target>/ and the log in build-fuzz/logs/<target>.log.
#   scripts/fuzz.sh              20 s per target (the test command's pass)
#   scripts/fuzz.sh 600          ten minutes per target
#   scripts/fuzz.sh 60 dxf tombrel
set -e
cd "$(dirname "$0")/.."
seconds=${1:-20}
[ $# -gt 0 ] && shift
scripts/setup.sh

cmake -S . -B build-fuzz -DSUITE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_all

targets="$*"
[ -n "$targets" ] || targets=$(ls tests/fuzz/corpus)
mkdir -p build-fuzz/logs
for t in $targets; do
    [ -x "build-fuzz/fuzz/fuzz_$t" ] || { echo "fuzz: no target $t" >&2; exit 1; }
    # found inputs grow a corpus of our own; the committed seeds stay as they are
    mkdir -p "build-fuzz/corpus/$t" "build-fuzz/artifacts/$t"
done

# one target per core; each summary line: target, executions, result
run_one() {
    # absolute paths: a target may work in a directory of its own
    local t=$1 root=$PWD log="build-fuzz/logs/$1.log" result runs
    if "$root/build-fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$root/build-fuzz/artifacts/$t/" \
        "$root/build-fuzz/corpus/$t" "$root/tests/fuzz/corpus/$t" > "$log" 2>&1; then
        result=ok
    else
        result="FAILED (see $log)"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: ${runs:-?} executions in $seconds s: $result"
}

summary=$(mktemp)
running=0
for t in $targets; do
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || true
        running=$((running - 1))
    fi
    run_one "$t" >> "$summary" &
    running=$((running + 1))
done
wait
sort "$summary"
failed=$(grep -c FAILED "$summary" || true)
rm -f "$summary"
[ "$failed" -eq 0 ] || { echo "fuzz: $failed target(s) failed" >&2; exit 1; }
