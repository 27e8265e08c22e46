#!/usr/bin/env bash
# Installs what is missing, builds Fenzo Setup with its tests and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh

build=${FENZO_TEST_BUILD_DIR:-build-test}
echo "test: configuring in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
echo "test: building"
cmake --build "$build" -j "$(nproc)"
echo "test: running the tests"
ctest --test-dir "$build" --output-on-failure -j 2
