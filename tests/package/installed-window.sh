#!/usr/bin/env bash
# Run by check-package.sh in an X server of its own: starts FENZO_COMMAND from
# / with HOME=FENZO_HOME and nothing else of the caller's environment, and
# checks that its main window is drawn and carries the built-in icon (the
# working directory has no icon file; the file's largest size is 64 px, and
# the X11 window icon takes the sizes up to 128 px). Leaves the
# window's picture and the program's output in FENZO_WORK.
set -euo pipefail
ip link set lo up 2>/dev/null || true
work=$FENZO_WORK
fail() { echo "package: FAIL: $*" >&2; sed 's/^/  program: /' "$work/program.log" >&2; exit 1; }
wait_for() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
(cd / && exec env -i HOME="$FENZO_HOME" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" \
  XDG_RUNTIME_DIR="$FENZO_HOME/runtime" LANG=C.UTF-8 "$FENZO_COMMAND") >"$work/program.log" 2>&1 &
pid=$!
gone() { ! kill -0 "$pid" 2>/dev/null; }
stop() {
  kill "$pid" 2>/dev/null || return 0
  wait_for 50 gone || kill -9 "$pid" 2>/dev/null || true
}
trap stop EXIT

main_window() {
  local w
  for w in $(xdotool search --onlyvisible --class fenzo_setup 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "Fenzo Setup" ] && { echo "$w"; return 0; }
  done
  return 1
}
window=$(wait_for 300 main_window) || fail "no window \"Fenzo Setup\" within 30 s"
# Mapped is not drawn: wait until the window's picture has bright content.
drawn() {
  import -window "$window" "$work/window.png" 2>/dev/null &&
    [ "$(convert "$work/window.png" -format '%[fx:maxima>0.5]' info:)" = 1 ]
}
wait_for 300 drawn || fail "the window stayed dark for 30 s"
sizes=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
for size in 16 32 48 64 128; do
  [[ "$sizes" == *"Icon ($size x $size)"* ]] || fail "the window's icon lacks $size px (it has: ${sizes:-none})"
done
if grep -E 'is not installed|driver not loaded|qrc:/.*(Error|error)' "$work/program.log"; then
  fail "the program misses a part at run time"
fi
