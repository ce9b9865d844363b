#!/bin/sh
# Builds the suite and runs every test, first in the normal build, then again
# in a build with the address and undefined-behaviour sanitizers, and ends with
# a short fuzz pass over every reader.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure

cmake -S . -B build-sanitize -DSUITE_SANITIZE=ON > /dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize -j "$jobs" --output-on-failure

# every reader fuzzed for a short while (scripts/fuzz.sh 600 for ten minutes each)
scripts/fuzz.sh 20
