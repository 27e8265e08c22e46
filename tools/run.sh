#!/usr/bin/env bash
# Installs what is missing, builds Fenzo Setup and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh

build=${FENZO_RUN_BUILD_DIR:-build-run}
echo "run: configuring in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "run: building"
cmake --build "$build" -j "$(nproc)"

# The window icon is read from images/ below the working directory.
echo "run: starting the program"
exec "$build/src/fenzo_setup"
