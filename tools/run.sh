#!/usr/bin/env bash
# Installs what is missing, builds Fenzo Setup and starts it, with a local
# satellite database (when no server answers on 127.0.0.1:3306) and the switch
# simulator. The database serves the real satellites of the dtv-scan-tables
# package; FENZO_RUN_DATA=realistic (or large, or an .sql file) picks another
# set of tools/devdb. With a display the window opens there; without one the program
# runs under Xvfb for FENZO_RUN_SECONDS (default 20) seconds and a screenshot
# is saved. Everything this script starts is stopped again, by process id.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

tools/setup-debian.sh

build=${FENZO_RUN_BUILD_DIR:-build-run}
run=$top/$build/run
link=$run/switch
mkdir -p "$run"

echo "run: configuring in $build (the switch simulator is offered at $link)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFENZO_BUILD_TESTS=OFF \
  -DFENZO_BUILD_BENCH=OFF "-DFENZO_EXTRA_SERIAL_PORTS=$link"
echo "run: building"
cmake --build "$build" -j "$(nproc)" --target fenzo_setup switch-sim

devdb=tools/devdb/devdb
started_db=""
sim_pid=""
program_pid=""
cleanup() {
  for pid in $program_pid $sim_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [ -n "$started_db" ]; then
    echo "run: stopping the satellite database"
    "$devdb" stop --datadir "$run/db" >/dev/null 2>&1 || true
  fi
}
trap cleanup EXIT

if "$devdb" status --port 3306 >/dev/null 2>&1; then
  echo "run: a satellite database answers on 127.0.0.1:3306"
else
  data=${FENZO_RUN_DATA:-real}
  echo "run: starting a satellite database with the $data data set on 127.0.0.1:3306"
  "$devdb" start --datadir "$run/db" --port 3306 --data "$data" >/dev/null
  started_db=1
fi

echo "run: starting the switch simulator (received lines are logged to $run/switch.log)"
rm -f "$link"
"$build/tools/switch-sim/switch-sim" --link "$link" --serial "SN:01332251" --state "$run/switch-memory" \
  --log "$run/switch.log" > "$run/switch-sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
[ -e "$link" ] || { echo "run: the switch simulator did not start:" >&2; cat "$run/switch-sim.out" >&2; exit 1; }

# The window icon is read from images/ below the working directory.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "run: starting the program"
  "$build/src/fenzo_setup" &
  program_pid=$!
  status=0
  wait "$program_pid" || status=$?
  program_pid=""
  exit $status
fi

seconds=${FENZO_RUN_SECONDS:-20}
shot=$run/screenshot.png
echo "run: no display; running the program under Xvfb for $seconds s"
FENZO_SHOT=$shot FENZO_SECONDS=$seconds tests/common/with-display.sh bash -c '
  # Off the buttons: the pointer in the middle of the screen shows a tooltip.
  xdotool mousemove 1270 1010 2>/dev/null || true
  "$0" &
  pid=$!
  sleep 5
  import -window root "$FENZO_SHOT" || true
  for _ in $(seq $((FENZO_SECONDS - 5))); do kill -0 $pid 2>/dev/null || break; sleep 1; done
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
' "$build/src/fenzo_setup"
echo "run: screenshot saved to $shot"
