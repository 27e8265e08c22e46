#!/usr/bin/env bash
# The real program in a real X window (Xvfb) with the development database and
# the switch simulator: a screenshot must show the band list's row colours and
# a filled options panel, and nothing may be written about QML while the window
# starts, is used and closes.
#   screenshot-test.sh PROGRAM SWITCH_SIM DEVDB EXTRA_PORTS WORKDIR SOURCE_DIR [PYTHON]
set -euo pipefail
program=$1 sim=$2 devdb=$3 ports=$4 work=$5 source=$6 python=${7:-python3}
here=$(cd "$(dirname "$0")" && pwd)

# An X server of its own: nothing else can take or share its display.
if [ -z "${FENZO_IN_XVFB:-}" ]; then
  export FENZO_IN_XVFB=1
  exec "$source/tests/common/with-display.sh" "$0" "$@"
fi
unset QT_QPA_PLATFORM QT_QUICK_BACKEND

mkdir -p "$work"
log=$work/program.log
shot=$work/screenshot.png
sim_pid=""
program_pid=""
started_db=""
cleanup() {
  for pid in $program_pid $sim_pid; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  if [ -n "$started_db" ]; then "$devdb" stop --datadir "$work/db" >/dev/null 2>&1 || true; fi
}
trap cleanup EXIT
fail() { echo "screenshot test: $*" >&2; exit 1; }

# The program connects to the compiled-in server (127.0.0.1, default port)
# with the account the build was configured with (handed over by CMake).
if ! "$devdb" status --port 3306 >/dev/null 2>&1; then
  "$devdb" start --datadir "$work/db" --port 3306 --data realistic --database "${FENZO_E2E_DB_NAME:?}" \
    --user "${FENZO_E2E_DB_USER:?}" --password "${FENZO_E2E_DB_PASSWORD?}" >/dev/null
  started_db=1
fi

# The simulator sits on the first extra port the program was built with.
link=${ports%%;*}
if [ -n "$link" ]; then
  "$sim" --link "$link" --serial 01332251 > "$work/sim.log" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
  [ -e "$link" ] || fail "the simulator did not make $link within 5 s"
fi

rm -rf "$HOME/.local/share/fenzo_setup"
(cd "$source" && exec "$program") > "$log" 2>&1 &
program_pid=$!

# wait_for TENTHS COMMAND...: COMMAND every 0.1 s until it succeeds, at most
# TENTHS times.
wait_for() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
main_window() { xdotool search --onlyvisible --name "^Fenzo Setup$" 2>/dev/null | head -1 | grep .; }
# brightest FILE: the brightest grey level of the main window's area; a window
# that is mapped but not yet drawn is black there.
brightest() { convert "$1" -crop 950x550+0+0 +repage -colorspace gray -format '%[fx:int(maxima*255)]' info:; }
# The device found and shown: the program reports it, and the first device
# button ("Test on device") has black text.
device_shown() {
  grep -q "^found " "$log" || return 1
  import -window root "$shot"
  [ "$(brightest "$shot")" -ge 200 ] || return 1
  local darkest
  darkest=$(convert "$shot" -crop 130x24+571+415 +repage -colorspace gray -format '%[fx:int(minima*255)]' info:)
  [ "$darkest" -lt 100 ]
}
dialog_shown() {
  local w
  for w in $(xdotool search --onlyvisible --class fenzo_setup 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "Set number of static UBs" ] || continue
    import -window root "$work/screenshot-dialog.png"
    [ "$(brightest "$work/screenshot-dialog.png")" -ge 200 ]
    return
  done
  return 1
}

window=$(wait_for 300 main_window) || fail "no main window within 30 s"
drawn() { import -window root "$shot" && [ "$(brightest "$shot")" -ge 200 ]; }
if [ -n "$link" ]; then
  # The device search runs every 3 s.
  wait_for 200 device_shown || fail "the device was not shown within 20 s (see $log and $shot)"
else
  wait_for 100 drawn || fail "the main window was not drawn within 10 s"
fi

# Use the window: open the static-UB dialog, then close everything.
xdotool mousemove 680 198 click 1
wait_for 100 dialog_shown || fail "the static-UB dialog did not appear drawn within 10 s"
"$python" "$here/wm-close.py" "$window"
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  # The dialog is window-modal: close it first, then the window.
  for w in $(xdotool search --pid "$program_pid" 2>/dev/null); do
    [ "$w" = "$window" ] || "$python" "$here/wm-close.py" "$w" || true
  done
  only_main() { [ "$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null)" = "$window" ]; }
  wait_for 50 only_main || fail "the dialog did not close"
  "$python" "$here/wm-close.py" "$window"
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
fi
kill -0 "$program_pid" 2>/dev/null && fail "the program did not end when its window was closed"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

if grep -E "qrc:/|\.qml|TypeError|ReferenceError|Binding loop|QML " "$log"; then
  fail "QML complained (above)"
fi

# Row colours in the band list (left column) and a filled options panel.
histogram=$(convert "$shot" -crop 520x520+12+12 +repage -format %c histogram:info:-)
for colour in CCEEFF 99DDFF 66CCFF 1AB2FF; do
  count=$(echo "$histogram" | grep -i "#$colour" | awk '{print $1+0}' | head -1)
  [ "${count:-0}" -gt 2000 ] || fail "row colour #$colour missing (${count:-0} pixels)"
done
panel=$(convert "$shot" -crop 380x520+545+12 +repage -format %c histogram:info:-)
colours=$(echo "$panel" | wc -l)
[ "$colours" -gt 30 ] || fail "the options panel looks empty ($colours colours)"
dark=$(convert "$shot" -crop 380x520+545+12 +repage -colorspace gray -threshold 50% -format '%[fx:int((1-mean)*w*h)]' info:)
[ "$dark" -gt 1500 ] || fail "the options panel has almost no text ($dark dark pixels)"
echo "screenshot test: $shot ok ($colours panel colours, $dark dark pixels)"
