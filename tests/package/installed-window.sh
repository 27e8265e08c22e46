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
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
window_test_name=package # read by window-lib.sh
# shellcheck source=../common/window-lib.sh
. "$source/tests/common/window-lib.sh"

failed() {
  sed 's/^/  program: /' "$work/program.log" >&2
  fail "$@"
}

(cd / && exec env -i HOME="$FENZO_HOME" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" \
  XDG_RUNTIME_DIR="$FENZO_HOME/runtime" LANG=C.UTF-8 "$FENZO_COMMAND") >"$work/program.log" 2>&1 &
program_pid=$!

window=$(wait_for 300 main_window) || failed "no window \"Fenzo Setup\" within 30 s"
# Mapped is not drawn: wait until the window's picture has bright content.
wait_for 300 window_drawn "$window" || failed "the window stayed dark for 30 s"
capture "$work/window.png" "$window" || failed "the window could not be captured"
sizes=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
for size in 16 32 48 64 128; do
  [[ "$sizes" == *"Icon ($size x $size)"* ]] || failed "the window's icon lacks $size px (it has: ${sizes:-none})"
done
if grep -E 'is not installed|driver not loaded|qrc:/.*(Error|error)' "$work/program.log"; then
  failed "the program misses a part at run time"
fi
