#!/usr/bin/env bash
# The real program in a real X window (Xvfb) with its own database and the
# switch simulator: a screenshot must show the band list's row colours and a
# filled options panel, and nothing may be written about QML while the window
# starts, is used and closes. Runs in a network namespace of its own
# (tests/common/isolated.sh).
#   screenshot-test.sh PROGRAM SWITCH_SIM DEVDB EXTRA_PORTS WORKDIR SOURCE_DIR [PYTHON]
set -euo pipefail
program=$1 sim=$2 devdb=$3 ports=$4 work=$5 source=$6 python=${7:-python3}
link=${ports%%;*}
window_test_name="screenshot test"
# shellcheck source=../common/window-lib.sh
. "$source/tests/common/window-lib.sh"
enter_display "$@"

rm -rf "$work"
mkdir -p "$work"
log=$work/program.log
shot=$work/screenshot.png

need_private_network
start_db
# The simulator sits on the first extra port the program was built with.
[ -z "$link" ] || start_sim "$work/switch.log"
rm -rf "$HOME/.local/share/fenzo_setup"
start_program "$log"

if [ -n "$link" ]; then
  # The device search runs every 3 s.
  wait_for 200 grep -q "^fenzo.device: found " "$log" || fail "the device was not found within 20 s (see $log)"
  expect_buttons enabled "once the device was found" "$btn_test" "$btn_store" "$btn_read_device"
fi
settle "$shot" || fail "screenshot: $settle_problem"

# Use the window: open the static-UB dialog, then close everything.
press "$btn_static"
wait_for 100 window_named "Set number of static UBs" >/dev/null || fail "the static-UB dialog did not appear"
dialog=$(window_named "Set number of static UBs")
settle "$work/screenshot-dialog.png" 100 "$dialog" || fail "the static-UB dialog: $settle_problem"
# The dialog is window-modal: close it first, then the window.
"$python" "$source/tests/qml/wm-close.py" "$dialog"
wait_for 50 window_gone "Set number of static UBs" || fail "the dialog did not close"
close_program

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
note "$shot ok ($colours panel colours, $dark dark pixels)"
