# shellcheck shell=bash disable=SC2154,SC2034
# The one library of the scripts that drive the real program in an X window:
# the end-to-end tests, the screenshot test and tools/readme-pictures.sh.
# The program runs in an Xvfb display of its own, is driven with xdotool and
# looked at with ImageMagick. Sourced after the script has set: program work
# source, and as far as it uses them sim devdb link (and window_test_name,
# the prefix of its messages). Every wait is bounded and waits for a
# condition.
#
# Window positions are those of the program's fixed 950x550 window at 0,0
# (there is no window manager); dialogs are their own windows, the file
# dialog at 0,0 and the others over the middle of the main window.

window_test_name=${window_test_name:-e2e}

# Under an X server of its own (tests/common/with-display.sh), with the Qt
# platform chosen by the display. The variables set by CTest for the
# offscreen tests do not apply here.
enter_display() {
  if [ -z "${FENZO_IN_XVFB:-}" ]; then
    export FENZO_IN_XVFB=1
    exec "$source/tests/common/with-display.sh" "$0" "$@"
  fi
  unset QT_QPA_PLATFORM QT_QUICK_BACKEND
  # English texts unless the script asks otherwise.
  export LC_ALL=C.UTF-8 LANG=C.UTF-8
}

program_pid=""
sim_pid=""
started_db=""
step=0

fail() {
  echo "$window_test_name: FAIL: $*" >&2
  # As the screen is now, without waiting for it to settle.
  step=$((step + 1))
  capture "$(printf '%s/%02d-failure.png' "$work" "$step")" >/dev/null 2>&1 || true
  exit 1
}
note() { echo "$window_test_name: $*"; }

# end_process PID: SIGTERM, then at most 5 s for it to go before SIGKILL.
end_process() {
  kill "$1" 2>/dev/null || return 0
  wait_for 50 process_gone "$1" || kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
process_gone() { ! kill -0 "$1" 2>/dev/null; }

stop_program() {
  if [ -n "$program_pid" ]; then
    end_process "$program_pid"
    program_pid=""
  fi
}
stop_sim() {
  if [ -n "$sim_pid" ]; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=""
  fi
}
stop_db() {
  if [ -n "$started_db" ]; then
    "$devdb" stop --datadir "$work/db" >/dev/null 2>&1 || true
    started_db=""
  fi
}
window_cleanup() {
  stop_program
  stop_sim
  stop_db
}
trap window_cleanup EXIT

# Whether anything accepts connections on 127.0.0.1:3306, where the program
# looks for its database.
db_answers() { "$devdb" status --port 3306 >/dev/null 2>&1; }

# need_private_network: these scripts start the program's database on
# 127.0.0.1:3306 and must never meet another: they run in a network namespace
# of their own (tests/common/isolated.sh), where nothing else listens.
need_private_network() {
  if db_answers; then
    fail "something answers on 127.0.0.1:3306 in this script's own network; run it through tests/common/isolated.sh"
  fi
}

# start_db [SET]: the satellite database (default: the realistic set) on
# 127.0.0.1:3306 with the account the program was built with
# (FENZO_TEST_DB_NAME, _USER, _PASSWORD; the development defaults otherwise).
start_db() {
  "$devdb" start --datadir "$work/db" --port 3306 --data "${1:-realistic}" \
    --database "${FENZO_TEST_DB_NAME:-satellites}" --user "${FENZO_TEST_DB_USER:-fenzo_ro}" \
    --password "${FENZO_TEST_DB_PASSWORD-fenzo}" >"$work/db-start.log" 2>&1 \
    || fail "cannot start the database: $(tail -n 5 "$work/db-start.log")"
  started_db=1
}

# start_sim LOG [simulator options...]
start_sim() {
  local log=$1
  shift
  : >"$log"
  "$sim" --link "$link" --serial SN:01332251 --log "$log" --state "$work/switch-state" --exit-with-parent \
    "$@" >"$work/switch-sim.out" 2>&1 &
  sim_pid=$!
  # The simulator prints the link path once the device can be opened.
  wait_for 50 grep -qxF "$link" "$work/switch-sim.out" || fail "the simulator did not start"
}

# start_program LOG [command prefix...]: the program, from the checkout (the
# window icon is read from there), with its output in LOG; its diagnostics
# come as "fenzo.<part>: text" lines on standard error. With program_stdout
# set, its standard output goes to that file instead, apart from LOG.
start_program() {
  local log=$1
  shift
  if [ -n "${program_stdout:-}" ]; then
    (cd "$source" && exec "$@" "$program") >"$program_stdout" 2>"$log" &
  else
    (cd "$source" && exec "$@" "$program") >"$log" 2>&1 &
  fi
  program_pid=$!
  wait_for 300 window_or_end || fail "the main window did not appear within 30 s"
  if program_ended; then
    fail "the program ended before its window appeared; its output ($log):
$(tail -n 5 "$log")"
  fi
  # Keep the pointer off the buttons: their tool tips would cover the screen.
  xdotool mousemove 1200 1000
}

# The program's windows on screen (main window, dialogs, open pop-ups).
visible_windows() { xdotool search --onlyvisible --class fenzo_setup 2>/dev/null | sort || true; }

# The visible window whose title is exactly $1, if any.
window_named() {
  local w
  for w in $(visible_windows); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return 0; }
  done
  return 1
}
main_window() { window_named "Fenzo Setup"; }

# wait_for TENTHS COMMAND...: runs COMMAND every 0.1 s until it succeeds, for
# at most TENTHS tenths of a second on a quiet machine. The bound is for the
# condition, not a timing: on a machine busy with other work every step can
# take several times as long, so the bound is WAIT_SCALE (4) times that.
wait_for() {
  local tries=$(($1 * ${WAIT_SCALE:-4}))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
window_gone() { ! window_named "$1" >/dev/null; }

# capture FILE [WINDOW]: the whole display (or one window) as it is now.
capture() { import -window "${2:-root}" "$1"; }

# drawn FILE [WINDOW]: the main window's area (950x550 at 0,0 of a capture of
# the display; all of a capture of one window) shows drawn content. A window
# that is mapped but not yet drawn is black; a drawn one always has bright
# pixels (the list's rows, the panel's background).
drawn() {
  local brightest crop=(-crop 950x550+0+0 +repage)
  [ "${2:-root}" = root ] || crop=()
  brightest=$(convert "$1" "${crop[@]}" -colorspace gray -format '%[fx:int(maxima*255)]' info:)
  [ "$brightest" -ge 200 ]
}

# settle FILE [TENTHS] [WINDOW] [PIXELS]: captures the display (or WINDOW)
# into FILE until it is drawn and two captures in a row differ in at most
# PIXELS pixels (default none: whatever a click or key started has been
# painted), at most TENTHS/10 s (default 10 s).
settle() {
  local file=$1 tries=${2:-100} window=${3:-root} allowed=${4:-0} previous="$work/.settle-previous.png" start=$SECONDS
  local differing
  rm -f "$previous"
  while :; do
    capture "$file" "$window" 2>/dev/null || true
    differing=""
    [ -s "$file" ] && [ -f "$previous" ] && differing=$(compare -metric AE "$previous" "$file" null: 2>&1 || true)
    if [[ "$differing" =~ ^[0-9]+$ ]] && [ "$differing" -le "$allowed" ] && drawn "$file" "$window"; then
      rm -f "$previous"
      return 0
    fi
    [ -s "$file" ] && cp "$file" "$previous"
    [ $(((SECONDS - start) * 10)) -lt "$tries" ] || break
    sleep 0.1
  done
  rm -f "$previous"
  if [ -s "$file" ] && drawn "$file" "$window"; then
    settle_problem="the screen kept changing"
  else
    settle_problem="the main window was not drawn (its area stayed dark)"
  fi
  return 1
}

# shot NAME: a screenshot of the whole display once it is drawn and still,
# numbered in step order, in $work; its path is left in $s.
shot() {
  step=$((step + 1))
  s=$(printf '%s/%02d-%s.png' "$work" "$step" "$1")
  xdotool mousemove 1200 1000
  # On a busy machine a new window can take many seconds to be drawn and still.
  settle "$s" 300 || fail "screenshot $1: $settle_problem"
}

click() {
  xdotool mousemove "$1" "$2" click 1
}

# pick X Y INDEX CURRENT: chooses entry INDEX in the combo box at X,Y, which
# shows entry CURRENT, as a user does with the keyboard: a click gives the
# box the focus (its pop-up, drawn inside the box's window, is closed again
# with Escape), and each arrow key moves the box one entry. The pointer
# leaves at once, so that hovering the pop-up changes nothing.
pick() {
  local key=Down moves=$(($3 - $4)) reacted=""
  # Right after a modal dialog has closed the window may still ignore a
  # click: try again a few times.
  for _ in 1 2 3; do
    settle "$work/.pick-before.png" || fail "before choosing in the box at $1,$2: $settle_problem"
    xdotool mousemove "$1" "$2" click 1 mousemove 1200 1000
    wait_for 20 screen_differs "$work/.pick-before.png" && { reacted=1; break; }
  done
  [ -n "$reacted" ] || fail "the box at $1,$2 did not react to a click"
  xdotool key Escape
  if [ "$moves" -lt 0 ]; then
    key=Up
    moves=$((-moves))
  fi
  for _ in $(seq "$moves"); do xdotool key "$key"; done
  settle "$work/.pick.png" || fail "after choosing in the box at $1,$2: $settle_problem"
}
# screen_differs FILE: the display no longer looks like FILE.
screen_differs() {
  capture "$work/.now.png"
  [ "$(compare -metric AE "$1" "$work/.now.png" null: 2>&1 || true)" != 0 ]
}
# dialog_pick TITLE DX DY INDEX CURRENT: pick in the box at DX,DY from the
# top left corner of the dialog window TITLE.
dialog_pick() {
  local w X Y WIDTH HEIGHT SCREEN WINDOW
  w=$(window_named "$1") || fail "no dialog \"$1\""
  wait_for 50 window_drawn "$w" || fail "the dialog \"$1\" was not drawn"
  eval "$(xdotool getwindowgeometry --shell "$w")"
  pick $((X + $2)) $((Y + $3)) "$4" "$5"
}

# has_focus WINDOW: the keyboard goes to WINDOW.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# window_drawn WINDOW: the window shows something other than black.
window_drawn() {
  local brightest
  brightest=$(import -window "$1" png:- 2>/dev/null | convert png:- -colorspace gray -format '%[fx:int(maxima*255)]' info:) \
    || return 1
  [ -n "$brightest" ] && [ "$brightest" -ge 200 ]
}

# dialog_button TITLE DX DY: clicks at DX,DY from the dialog's bottom right corner.
dialog_button() {
  local w X Y WIDTH HEIGHT SCREEN WINDOW
  w=$(window_named "$1") || fail "no dialog \"$1\""
  wait_for 50 window_drawn "$w" || fail "the dialog \"$1\" was not drawn"
  eval "$(xdotool getwindowgeometry --shell "$w")"
  click $((X + WIDTH - $2)) $((Y + HEIGHT - $3))
}

# type_path TITLE PATH: types PATH into the file dialog's path field (at its
# top; Qt 6's dialog shows it on Ctrl+L); the caller accepts it with Return
# (see choose_path).
type_path() {
  local w X Y WIDTH HEIGHT SCREEN WINDOW
  w=$(window_named "$1") || fail "no dialog \"$1\""
  wait_for 50 window_drawn "$w" || fail "the dialog \"$1\" was not drawn"
  eval "$(xdotool getwindowgeometry --shell "$w")"
  if [ "${FENZO_E2E_QT_MAJOR:-5}" = 5 ]; then
    click $((X + 200)) $((Y + 22))
  else
    # Qt 6 draws the dialog in the middle of its window, where a click
    # outside it would close it: the click goes to its title.
    click $((X + WIDTH / 2)) $((Y + 100))
    xdotool key ctrl+l
  fi
  xdotool key ctrl+a
  xdotool type --delay 5 "$2"
}

# choose_path TITLE PATH: PATH typed into the file dialog and accepted; the
# dialog must close. The typed text is on screen (settled) before Return.
choose_path() {
  local w attempt
  # On a busy machine the dialog can set its folder into the path field
  # after the path was typed there; Return then only opens that folder. The
  # path is typed whole again (the field's text selected first), at most
  # three times.
  for attempt in 1 2 3; do
    type_path "$1" "$2"
    w=$(window_named "$1") || fail "the dialog \"$1\" went before its path was accepted"
    # The path field's text cursor (about 15 pixels) blinks: a capture may
    # show it and the next not, when a busy machine captures slower than it
    # blinks. Return follows the typed keys in the same queue, so the field
    # has taken the whole path before it; the wait is for the dialog to have
    # drawn.
    settle "$work/.dialog.png" 300 "$w" 40 || fail "the dialog \"$1\": $settle_problem"
    xdotool key Return
    wait_for 50 window_gone "$1" && return 0
    note "the dialog \"$1\" stayed open after Return (attempt $attempt); the path is typed again"
  done
  fail "the dialog \"$1\" stayed open"
}

# The buttons of the options panel (centres) and their names for messages.
btn_static="636 190"
btn_test="636 427"
btn_store="839 427"
btn_read_device="636 477"
btn_compare="839 477"
btn_save_file="636 527"
btn_read_file="839 527"
declare -A button_names=(
  ["$btn_static"]="Set static UBs" ["$btn_test"]="Test on device" ["$btn_store"]="Save on device"
  ["$btn_read_device"]="Read from device" ["$btn_compare"]="Compare with device"
  ["$btn_save_file"]="Save to file" ["$btn_read_file"]="Read from file")
button_name() { echo "\"${button_names[$1]:-button}\" ($1)"; }

# press "X Y": clicks one of those buttons.
press() {
  local x y
  read -r x y <<<"$1"
  click "$x" "$y"
}

# button_state SHOT "X Y": enabled (black text), disabled (grey text, its
# darkest pixel about 168 of 255) or undrawn (no bright pixel at all).
button_state() {
  local x y range darkest brightest
  read -r x y <<<"$2"
  range=$(convert "$1" -crop 130x24+$((x - 65))+$((y - 12)) +repage -colorspace gray \
    -format '%[fx:int(minima*255)] %[fx:int(maxima*255)]' info:)
  read -r darkest brightest <<<"$range"
  if [ "$brightest" -lt 128 ]; then
    echo undrawn
  elif [ "$darkest" -lt 100 ]; then
    echo enabled
  else
    echo disabled
  fi
}
button_enabled() { [ "$(button_state "$1" "$2")" = enabled ]; }

# expect_buttons STATE WHY "X Y"...: waits (at most 10 s) until every button
# shows STATE, else fails naming the first that does not and what it shows.
expect_buttons() {
  local want=$1 why=$2 b state start=$SECONDS
  shift 2
  while :; do
    capture "$work/.buttons.png"
    local wrong=""
    for b in "$@"; do
      state=$(button_state "$work/.buttons.png" "$b")
      [ "$state" = "$want" ] || { wrong="$(button_name "$b") is $state"; break; }
    done
    [ -z "$wrong" ] && return 0
    [ $((SECONDS - start)) -lt 10 ] || fail "$wrong, not $want, $why"
    sleep 0.2
  done
}

# pixel SHOT X Y: the colour there as RRGGBB.
pixel() { convert "$1" -crop 1x1+"$2"+"$3" +repage -format '%[hex:p{0,0}]' info: | cut -c1-6; }

# Lines in a simulator log.
log_lines() { [ -f "$1" ] && wc -l <"$1" || echo 0; }
log_has_lines() { [ "$(log_lines "$1")" -ge "$2" ]; }

# close_program: closes the main window as a window manager would and
# expects the program to end with status 0.
close_program() {
  local w
  w=$(main_window) || fail "no main window to close"
  "${python:-python3}" "$source/tests/qml/wm-close.py" "$w" || fail "the window could not be closed"
  if ! wait_for 150 program_ended; then
    local shown=""
    main_window >/dev/null && shown=" (its window is still shown)"
    program_stacks
    fail "the program did not end after its window's close$shown"
  fi
  local status=0
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# program_stacks: where the program's threads are now (for a program that
# hangs), in $work/program-stacks.txt and on standard error; needs gdb.
program_stacks() {
  command -v gdb >/dev/null || return 0
  timeout 60 gdb -p "$program_pid" -batch -ex "thread apply all bt 30" >"$work/program-stacks.txt" 2>&1 || true
  grep -E '^(Thread|#)' "$work/program-stacks.txt" | sed 's/^/  program: /' >&2 || true
}
window_or_end() { main_window >/dev/null || program_ended; }

# Complaints about the program's own QML (Qt's own styles are not ours).
check_qml_quiet() {
  if grep -E "qrc:/" "$1"; then
    fail "the interface complained (above, from $1)"
  fi
}
