#!/bin/sh
# Builds the suite into build/ (programs in build/bin/); extra arguments go to cmake.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build "$@" > /dev/null
cmake --build build -j "$(nproc)"
