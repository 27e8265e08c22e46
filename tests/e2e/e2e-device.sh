#!/usr/bin/env bash
# End to end with a switch: the real program in an X window (Xvfb) with the
# satellite database and the switch simulator, driven through its interface.
# The device is found and its serial number shown; three static UBs get their
# transponders; "Test on device" sends exactly the four lines with the right
# code words; the plan goes to a file in a folder whose name holds a blank
# and comes back from it and from the device. Screenshots of every step are
# left in WORKDIR.
#   e2e-device.sh PROGRAM SWITCH_SIM DEVDB LINK WORKDIR SOURCE_DIR [PYTHON]
set -euo pipefail
program=$1 sim=$2 devdb=$3 link=$4 work=$5 source=$6 python=${7:-python3}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../common/window-lib.sh
. "$source/tests/common/window-lib.sh"
enter_display "$@"

rm -rf "$work"
mkdir -p "$work"
sql=$source/tools/devdb/realistic.sql
check() { "$python" "$here/check-plan.py" "$@" || fail "check-plan $1 failed"; }
log=$work/switch.log
out=$work/program.log

# The program connects to the compiled-in server (127.0.0.1, default port):
# in this test's own network namespace, the server started here.
need_private_network
start_db
# A fresh offline cache and fresh dialog settings.
rm -rf "$HOME/.local/share/fenzo_setup" "$HOME/.config/fenzo-setup.invalid"

# 1. Without a switch: "No device found", the device buttons disabled. The
# program's standard output is kept apart: scripts read it.
stdout=$work/program.stdout
program_stdout=$stdout start_program "$out"
shot no-device
expect_buttons disabled "without a device" "$btn_test" "$btn_store" "$btn_read_device" "$btn_compare"
# Up to the first icon of the row, "Site…".
serial_crop() { convert "$1" -crop 140x20+623+134 +repage -colorspace gray -threshold 50% "$2"; }
serial_crop "$s" "$work/serial-before.png"

# The switch appears; the search runs every 3 s.
start_sim "$log"
wait_for 200 grep -q "\*IDN?" "$log" || fail "the program never asked the switch for its identity"
wait_for 50 grep -q "^fenzo.device: found SN:01332251" "$out" || fail "the program did not report the device found"
expect_buttons enabled "once the device was found" "$btn_test" "$btn_store" "$btn_read_device" "$btn_compare"
shot device-found
serial_crop "$s" "$work/serial-after.png"
# "No device found" has given way to the eight digits of "SN:01332251".
before=$(convert "$work/serial-before.png" -negate -trim -format %w info:)
after=$(convert "$work/serial-after.png" -negate -trim -format %w info:)
note "serial number text ${before} px wide before, ${after} px after the device was found"
if [ "$after" -lt 40 ] || [ "$after" -gt 75 ] || [ "$before" -le $((after + 20)) ]; then
  fail "the serial number shown does not look like eight digits (${before} px -> ${after} px)"
fi

# "Save a support report…", the icon left of the others: it names the switch
# and holds the exchanges with it, never the database password (masked even
# where it is a word of the program; the log's categories stay).
report=$work/support-report.txt
rm -f "$report"
click 810 143
wait_for 50 window_named "Choose a file" >/dev/null || fail "no file dialog for \"Save a support report…\""
choose_path "Choose a file" "$report"
wait_for 50 test -s "$report" || fail "no support report in $report"
grep -qx "01332251" "$report" || fail "the support report does not name the switch ($report)"
grep -qF "fenzo.transfer: Writing *IDN?" "$report" || fail "the support report lacks the exchanges ($report)"
if sed -e '/^Version: /d' -e 's/fenzo\.[a-z]*: //' "$report" | grep -qF "${FENZO_TEST_DB_PASSWORD-fenzo}"; then
  fail "the support report holds the database password ($report)"
fi

# 2. Three static UBs, at the top of the list (the dialog's default), with
# the keyboard alone: the number box has the focus, "3" replaces its number
# and Enter accepts.
press "$btn_static"
wait_for 50 window_named "Set number of static UBs" >/dev/null || fail "no dialog for the static UBs"
static_dialog=$(window_named "Set number of static UBs")
wait_for 50 window_drawn "$static_dialog" || fail "the static UB dialog was not drawn"
wait_for 50 has_focus "$static_dialog" || fail "the static UB dialog did not take the keyboard"
xdotool key 3
shot static-dialog
xdotool key Return
wait_for 50 window_gone "Set number of static UBs" || fail "the static UB dialog stayed open after Enter"
shot three-static
# Rows are 33 pixels apart from y 25; static rows are ivory (seen right of the
# frequency), UB21 is on line 1.
for row in 0 1 2; do
  [ "$(pixel "$s" 440 $((25 + 33 * row)))" = FFFFF0 ] || fail "row $row is not static"
done
[ "$(pixel "$s" 400 124)" = CCEEFF ] || fail "row 3 is not a dynamic UB on line 1 ($(pixel "$s" 400 124))"

# Transponders: UB24 and UB23 on LNB1 (Astra 19.2E: entry 3 is TP 53, 10773 H;
# entry 2 TP 52, 10758 V), UB22 on LNB2 (Hotbird 13.0E, which the start
# chooses: entry 22 is TP 22, 11179 H in the low band). UB21 moves to line 3.
pick 243 25 3 0
pick 243 58 2 0
pick 127 91 1 0
pick 243 91 22 0
pick 127 124 2 0
shot plan
plan_args=(--static "23=Astra 19.2E/53" --static "22=Astra 19.2E/52" --static "21=Hotbird 13.0E/22/lnb2"
  --line "20=2")

# test_on_device NAME CHECK-ARGS...: "Test on device", the four queries of its
# backup, four lines to the switch, then the four queries of the read-back,
# which a box reports; Enter closes it.
test_on_device() {
  local name=$1 start
  shift
  start=$(log_lines "$log")
  press "$btn_test"
  wait_for 100 log_has_lines "$log" $((start + 12)) || fail "\"Test on device\" was not read back ($name)"
  wait_for 50 window_named Information >/dev/null || fail "no note that the test was read back ($name)"
  shot "$name"
  window_named Error >/dev/null && fail "an error box after \"Test on device\" ($name)"
  dialog_button Information 50 25
  wait_for 50 window_gone Information || fail "the note on the read-back did not close ($name)"
  check sent "$log" "$start" "$sql" "$work/$name.json" "$@"
}

# 3. The transfer.
test_on_device test-on-device "${plan_args[@]}"

# 4. To a file whose folder and name hold blanks, through the file dialog.
mkdir -p "$work/saved plans"
file="$work/saved plans/plan one.dat"
press "$btn_save_file"
wait_for 50 window_named "Choose a file" >/dev/null || fail "no file dialog for \"Save to file\""
type_path "Choose a file" "$file"
shot save-dialog
xdotool key Return
wait_for 50 window_gone "Choose a file" || fail "the dialog \"Choose a file\" stayed open"
wait_for 50 test -s "$file" || fail "nothing saved at $file"
saved=("$work/saved plans"/*)
[ "${saved[*]}" = "$file" ] || fail "other files saved: ${saved[*]}"
check file "$file" "$sql" "$work/test-on-device.json" "Astra 19.2E" "Hotbird 13.0E"
note "saved $(stat -c %s "$file") bytes to \"$file\""

# A changed plan: UB24 on TP 55 (entry 5), UB21 back on line 1.
change_plan() {
  pick 243 25 5 3
  pick 127 124 0 2
  shot "$1"
}
change_plan changed
test_on_device changed-sent --static "23=Astra 19.2E/55" --line "20=0"

# Reading the file restores the saved plan.
press "$btn_read_file"
wait_for 50 window_named "Choose a file" >/dev/null || fail "no file dialog for \"Read from file\""
type_path "Choose a file" "$file"
shot read-dialog
xdotool key Return
wait_for 50 window_gone "Choose a file" || fail "the open dialog stayed open"
wait_for 50 grep -q "^fenzo.file: File from version" "$out" || fail "the program did not read the file"
# Both lines also stand plain on standard output, where scripts read them.
grep -qx "found SN:01332251" "$stdout" && grep -qx "File from version: 0.7" "$stdout" ||
  fail "standard output lacks \"found SN:01332251\" or \"File from version: 0.7\": $(head -c 300 "$stdout")"
shot read-from-file
test_on_device after-read-file "${plan_args[@]}"
check same "$work/test-on-device.json" "$work/after-read-file.json"

# 5. "Read from device" brings back what the switch holds (the saved plan,
# sent last), over a changed plan.
change_plan changed-again
start=$(log_lines "$log")
press "$btn_read_device"
wait_for 100 log_has_lines "$log" $((start + 4)) || fail "\"Read from device\" asked nothing"
shot read-from-device
window_named Error >/dev/null && fail "an error box after \"Read from device\""
# The test data number satellites otherwise than the program's id table, and
# the plan read back holds static UBs: a box says so, and Enter closes it.
wait_for 50 window_named Information >/dev/null || fail "no note on the satellite ids after \"Read from device\""
dialog_button Information 50 25
wait_for 50 window_gone Information || fail "the note on the satellite ids did not close"
check queries "$log" "$start"
test_on_device after-read-device "${plan_args[@]}"
check same "$work/test-on-device.json" "$work/after-read-device.json"

# 6. "Compare with device" asks the switch again and shows its own window.
start=$(log_lines "$log")
press "$btn_compare"
wait_for 100 log_has_lines "$log" $((start + 4)) || fail "\"Compare with device\" asked nothing"
wait_for 50 window_named "Compare with device" >/dev/null || fail "no window for \"Compare with device\""
compare_window=$(window_named "Compare with device")
wait_for 50 window_drawn "$compare_window" || fail "the comparison window was not drawn"
shot compare-with-device
window_named Error >/dev/null && fail "an error box after \"Compare with device\""
check queries "$log" "$start"

close_program
check_qml_quiet "$out"
note "ok; screenshots in $work"
