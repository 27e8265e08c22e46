#!/usr/bin/env bash
# End to end without the database server: the real program in an X window
# (Xvfb) with the switch simulator.
#  - A fresh offline cache is used without a word.
#  - A cache older than a month gives the warning box, and the program goes on
#    with it. The file's birth time cannot be set back, so the program runs
#    with its clock 40 days ahead (libfaketime; file times are left alone).
#  - Without a cache: the built-in satellite data, without a box; the
#    switch is looked for and every button is usable.
# Runs in a network namespace of its own (tests/common/isolated.sh), where
# 127.0.0.1:3306 is the server it starts or nothing.
#   e2e-offline.sh PROGRAM SWITCH_SIM DEVDB LINK WORKDIR SOURCE_DIR [PYTHON]
set -euo pipefail
program=$1 sim=$2 devdb=$3 link=$4 work=$5 source=$6 python=${7:-python3}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../common/window-lib.sh
. "$source/tests/common/window-lib.sh"
enter_display "$@"

rm -rf "$work"
mkdir -p "$work"
cache=$HOME/.local/share/fenzo_setup/db.dat
log=$work/switch.log

faketime_lib=""
for candidate in /usr/lib/*/faketime/libfaketimeMT.so.1 /usr/lib/faketime/libfaketimeMT.so.1; do
  [ -f "$candidate" ] && { faketime_lib=$candidate; break; }
done
[ -n "$faketime_lib" ] || fail "libfaketime is missing (package faketime; tools/setup-debian.sh installs it)"

need_private_network

all_buttons=("$btn_test" "$btn_store" "$btn_read_device" "$btn_save_file" "$btn_read_file")
no_box() { ! window_named Warning >/dev/null && ! window_named Error >/dev/null; }
# wait_device: the program has finished starting once it asks the switch.
wait_device() { wait_for 200 grep -q "\*IDN?" "$log" || fail "the program never asked the switch ($1)"; }

# A cache written by a download from the server.
rm -rf "$HOME/.local/share/fenzo_setup" "$HOME/.config/fenzo-setup.invalid"
start_db
start_program "$work/download.log"
wait_for 200 test -s "$cache" || fail "no offline cache written at $cache"
close_program
stop_db
db_answers && fail "the database server still answers"
note "offline cache: $(stat -c '%s bytes, born %w' "$cache")"
start_sim "$log"

# 1. A fresh cache: no box, everything usable.
start_program "$work/fresh.log"
wait_device "fresh cache"
shot fresh-cache
no_box || fail "a box with a fresh offline cache"
expect_buttons enabled "with a fresh offline cache" "${all_buttons[@]}"
close_program
check_qml_quiet "$work/fresh.log"

# 2. The same cache 40 days later: the warning box; the data are still used.
: >"$log"
# (A sanitizer build would refuse a library loaded before its runtime.)
start_program "$work/old.log" env LD_PRELOAD="$faketime_lib" FAKETIME=+40d FAKETIME_DONT_FAKE_MONOTONIC=1 \
  NO_FAKE_STAT=1 ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
wait_for 200 window_named Warning >/dev/null || fail "no warning box with a cache older than a month"
shot old-cache-warning
window_named Error >/dev/null && fail "an error box with an old cache"
dialog_button Warning 50 25
wait_for 50 window_gone Warning || fail "the warning box did not close"
wait_device "old cache"
shot old-cache-after-warning
expect_buttons enabled "with an old offline cache" "${all_buttons[@]}"
close_program
check_qml_quiet "$work/old.log"

# 3. Neither server nor cache: the built-in data, quietly; the start-up's
# debug lines say why there is no server, as they always have.
rm -f "$cache"
: >"$log"
start_program "$work/none.log"
wait_device "built-in data"
shot built-in-data
no_box || fail "a box with the built-in data"
expect_buttons enabled "with the built-in data" "${all_buttons[@]}"
grep -q "Not connected, trying to load from local storage" "$work/none.log" ||
  fail "no debug line about the missing server in $work/none.log"
grep -q "Last error: " "$work/none.log" || fail "no debug line with the server's error in $work/none.log"
[ ! -e "$cache" ] || fail "an offline cache appeared without a server"
close_program
check_qml_quiet "$work/none.log"
note "ok; screenshots in $work"
