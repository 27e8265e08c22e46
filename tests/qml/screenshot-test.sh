#!/usr/bin/env bash
# The real program in a real X window (Xvfb) with the development database and
# the switch simulator: a screenshot must show the band list's row colours and
# a filled options panel, and nothing may be written about QML while the window
# starts, is used and closes.
#   screenshot-test.sh PROGRAM SWITCH_SIM DEVDB EXTRA_PORTS WORKDIR SOURCE_DIR [PYTHON]
set -euo pipefail
program=$1 sim=$2 devdb=$3 ports=$4 work=$5 source=$6 python=${7:-python3}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${FENZO_IN_XVFB:-}" ]; then
  export FENZO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
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

# The program connects to the compiled-in server (127.0.0.1, default port).
if ! "$devdb" status --port 3306 >/dev/null 2>&1; then
  "$devdb" start --datadir "$work/db" --port 3306 --data realistic >/dev/null
  started_db=1
fi

# The simulator sits on the first extra port the program was built with.
link=${ports%%;*}
if [ -n "$link" ]; then
  "$sim" --link "$link" --serial 01332251 > "$work/sim.log" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
fi

rm -rf "$HOME/.local/share/fenzo_setup"
(cd "$source" && exec "$program") > "$log" 2>&1 &
program_pid=$!

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name "^Fenzo Setup$" 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window"
# The device search runs every 3 s.
sleep 4
import -window root "$shot"

# Use the window: open the static-UB dialog, then close everything.
xdotool mousemove 680 198 click 1
sleep 1
import -window root "$work/screenshot-dialog.png"
"$python" "$here/wm-close.py" "$window"
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  # The dialog is window-modal: close it first, then the window.
  for w in $(xdotool search --pid "$program_pid" 2>/dev/null); do
    [ "$w" = "$window" ] || "$python" "$here/wm-close.py" "$w" || true
  done
  sleep 0.5
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
