#!/usr/bin/env bash
# Installs what is missing, builds Fenzo Setup and runs every test:
#   1. the whole suite in a debug build (gcc);
#   2. the tests that start servers or the program again, beside listeners
#      that are no database on 127.0.0.1:3306 and :33306 (they must use only
#      what they started);
#   3. the C++ and Qt Quick tests again with AddressSanitizer and
#      UndefinedBehaviorSanitizer (clang);
#   4. each fuzz target for a short while (clang, libFuzzer);
#   5. cppcheck on src/;
#   6. the Debian package: built, checked, installed, started and removed
#      again (by default only where packages may be installed: as root or
#      with passwordless sudo);
#   7. the whole suite again, window tests included, built against Qt 6.
# The other stages build against Qt 5.
# FENZO_TEST_STAGES (default "suite foreign sanitizers fuzz static package qt6")
# picks stages; FENZO_FUZZ_SECONDS (default 30) sets the time of each fuzz
# target.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
# Whether this user may install and remove packages without a password.
can_install() { [ "$(id -u)" -eq 0 ] || sudo -n true 2>/dev/null; }
default_stages="suite foreign sanitizers fuzz static"
if can_install; then
  default_stages+=" package"
fi
default_stages+=" qt6"
stages=${FENZO_TEST_STAGES:-$default_stages}
jobs=$(nproc)

tools/setup-debian.sh

has_stage() { [[ " $stages " == *" $1 "* ]]; }

total=0
# Runs ctest, keeps its output in the build directory and counts its tests.
run_ctest() {
  local build=$1
  shift
  ctest --test-dir "$build" --output-on-failure -j 2 "$@" 2>&1 | tee "$build/ctest.log"
  local count
  count=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$build/ctest.log" | tail -n 1)
  total=$((total + ${count:-0}))
}

if has_stage suite; then
  build=build-test
  echo "test: [suite] configuring in $build"
  # The end-to-end test drives a program that offers the simulator at this path.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFENZO_QT_MAJOR=5 \
    "-DFENZO_EXTRA_SERIAL_PORTS=$top/$build/e2e/switch"
  echo "test: [suite] building"
  cmake --build "$build" -j "$jobs"
  echo "test: [suite] running the tests"
  run_ctest "$build"
fi

if has_stage foreign; then
  build=build-test
  [ -f "$build/CTestTestfile.cmake" ] || { echo "test: [foreign] needs the suite's build ($build)" >&2; exit 1; }
  echo "test: [foreign] the database and window tests beside foreign listeners on 3306 and 33306"
  # The listeners live in a network namespace of their own with the tests.
  status=0
  tests/common/foreign-listeners.sh ctest --test-dir "$build" --output-on-failure -j 2 -L isolated 2>&1 \
    | tee "$build/ctest-foreign.log" || status=$?
  if [ "$status" = 77 ]; then
    echo "test: [foreign] skipped: no network namespace can be made here"
  elif [ "$status" != 0 ]; then
    echo "test: [foreign] FAILED"
    exit 1
  else
    count=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$build/ctest-foreign.log" | tail -n 1)
    total=$((total + ${count:-0}))
  fi
fi

if has_stage sanitizers; then
  build=build-sanitize
  echo "test: [sanitizers] configuring in $build (clang, ASan + UBSan)"
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFENZO_QT_MAJOR=5 \
    -DFENZO_SANITIZE=ON -DFENZO_BUILD_BENCH=OFF
  echo "test: [sanitizers] building"
  cmake --build "$build" -j "$jobs"
  echo "test: [sanitizers] running the tests"
  # Full stacks, so that the suppressions (Qt's own memory kept until exit)
  # match exactly. The tests that drive the real program in an X window run
  # in the suite stage only: instrumented, it is too slow to shut down there.
  ASAN_OPTIONS=fast_unwind_on_malloc=0:detect_leaks=1:strict_string_checks=1 \
  LSAN_OPTIONS=suppressions=$top/tools/sanitizers/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_ctest "$build" -E 'screenshot|e2e'
fi

if has_stage fuzz; then
  build=build-fuzz
  seconds=${FENZO_FUZZ_SECONDS:-30}
  echo "test: [fuzz] configuring in $build (clang, libFuzzer)"
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENZO_QT_MAJOR=5 \
    -DFENZO_BUILD_FUZZ=ON -DFENZO_BUILD_TESTS=OFF -DFENZO_BUILD_BENCH=OFF -DFENZO_BUILD_TOOLS=OFF
  echo "test: [fuzz] building"
  cmake --build "$build" -j "$jobs"
  passed=0
  for target in fuzz/fuzz_*.cpp; do
    name=$(basename "$target" .cpp)
    corpus=$build/corpus/${name#fuzz_}
    rm -rf "$corpus" && mkdir -p "$corpus"
    cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/" 2>/dev/null || true
    echo "test: [fuzz] $name for $seconds s"
    # The database driver keeps a few bytes per connection attempt, so the
    # allocation limit stays above that. Full stacks, so that the
    # suppressions (memory Qt itself loses) match exactly.
    ASAN_OPTIONS=fast_unwind_on_malloc=0 LSAN_OPTIONS=suppressions=$top/tools/sanitizers/fuzz-lsan.supp \
    QT_QPA_PLATFORM=offscreen "$build/fuzz/$name" -max_total_time="$seconds" -max_len=65536 \
      -malloc_limit_mb=64 -rss_limit_mb=1024 -print_final_stats=1 "$corpus" > "$build/$name.log" 2>&1 \
      || { tail -n 40 "$build/$name.log"; echo "test: [fuzz] $name FAILED"; exit 1; }
    passed=$((passed + 1))
  done
  echo "test: [fuzz] $passed targets ran clean"
  total=$((total + passed))
fi

if has_stage static; then
  echo "test: [static] cppcheck on src/"
  cppcheck --quiet --enable=warning,performance,portability --library=qt --std=c++17 --language=c++ \
    --inline-suppr -I src --suppress=missingIncludeSystem --error-exitcode=1 src
  echo "test: [static] clean"
  total=$((total + 1))
fi

if has_stage package; then
  can_install || { echo "test: [package] needs root or passwordless sudo to install the package" >&2; exit 1; }
  echo "test: [package] building the package"
  log=$(mktemp)
  tools/package.sh | tee "$log"
  deb=$(tail -n 1 "$log")
  rm -f "$log"
  echo "test: [package] checking, installing, starting and removing $deb"
  tests/package/check-package.sh "$deb"
  total=$((total + 1))
fi

if has_stage qt6; then
  build=build-qt6
  echo "test: [qt6] configuring in $build (Qt 6)"
  # Its own simulator path.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFENZO_QT_MAJOR=6 -DFENZO_BUILD_BENCH=OFF \
    "-DFENZO_EXTRA_SERIAL_PORTS=$top/$build/e2e/switch"
  echo "test: [qt6] building"
  cmake --build "$build" -j "$jobs"
  echo "test: [qt6] running the tests"
  run_ctest "$build"
fi

echo "total: $total passed, 0 failed"
