#!/usr/bin/env bash
# Takes the README's pictures of the real program: the main window in English
# and in German, the installation sheet window, and the first page of a PDF
# saved from it. The program runs in its own Xvfb display with a private
# HOME holding a fresh offline satellite cache, so it needs no server; the
# plan shown is loaded from a settings file, as a user would.
#   tools/readme-pictures.sh BUILD_DIR [OUT_DIR]   (OUT_DIR: images/)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "${2:-$source_dir/images}" && cd "${2:-$source_dir/images}" && pwd)
program=$build/src/fenzo_setup
planner=$build/tests/sheet/fenzo-readme-plan
for tool in Xvfb xauth xdotool import convert pdftoppm; do
  command -v "$tool" >/dev/null || { echo "readme-pictures: $tool is missing (tools/setup-debian.sh)" >&2; exit 1; }
done
[ -x "$program" ] && [ -x "$planner" ] || { echo "readme-pictures: build $program and $planner first" >&2; exit 1; }
# The Qt major version of the build: its file dialog differs.
qt_major=5
grep -q '^QT_DIR:PATH=.*Qt6' "$build/CMakeCache.txt" && qt_major=6

# A display of its own, which nothing else can take or share.
if [ -z "${FENZO_IN_XVFB:-}" ]; then
  export FENZO_IN_XVFB=1
  exec "$source_dir/tests/common/with-display.sh" "$0" "$@"
fi

work=$(mktemp -d)
program_pid=""
# end_process PID: SIGTERM, then at most 5 s for it to go.
end_process() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null || true
}
cleanup() {
  [ -z "$program_pid" ] || end_process "$program_pid"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() { echo "readme-pictures: $*" >&2; exit 1; }

unset QT_QPA_PLATFORM QT_QUICK_BACKEND

# A private home with a fresh cache; the plan file has a blank in its name.
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
export XDG_RUNTIME_DIR=$HOME/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$planner" "$XDG_DATA_HOME/fenzo_setup" "$work/shop plan.dat" >"$work/planner.log" 2>&1 ||
  fail "the plan was not written: $(cat "$work/planner.log")"

# wait_for TENTHS COMMAND...: bounded polling.
wait_for() {
  local tries=$1
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# window_named TITLE: the visible window of the program with exactly this
# title (compared here: xdotool's own pattern match fails on umlauts).
window_named() {
  local w
  for w in $(xdotool search --onlyvisible --class fenzo_setup 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return 0; }
  done
  return 1
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; xdotool mousemove 1270 1010; }

# shot WINDOW FILE: the window alone, once it is drawn (not black) and two
# pictures in a row agree, so no half-drawn frame is kept.
shot() {
  local previous="" current
  xdotool mousemove 1270 1010
  for _ in $(seq 50); do
    sleep 0.3
    import -window "$1" "$work/shot.png" 2>/dev/null || continue
    [ "$(convert "$work/shot.png" -format '%[fx:maxima>0.5]' info:)" = 1 ] || continue
    current=$(convert "$work/shot.png" -format '%#' info:)
    if [ "$current" = "$previous" ]; then
      cp "$work/shot.png" "$2"
      echo "readme-pictures: $2"
      return 0
    fi
    previous=$current
  done
  fail "no steady picture of window $1 for $2"
}

# type_path TITLE PATH: the file dialog takes the path in its field at the
# top (Qt 6's shows it on Ctrl+L).
type_path() {
  local w X Y WIDTH HEIGHT SCREEN WINDOW
  w=$(wait_for 100 window_named "$1") || fail "no dialog \"$1\""
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$w")"
  if [ "$qt_major" = 5 ]; then
    click $((X + 200)) $((Y + 22))
  else
    # Qt 6 draws the dialog in the middle of its window: a click beside it
    # would close it.
    click $((X + WIDTH / 2)) $((Y + 100))
    xdotool key ctrl+l
  fi
  xdotool key ctrl+a
  xdotool type --delay 5 "$2"
  sleep 0.2
  xdotool key Return
  wait_for 100 eval '! window_named "$1" >/dev/null' || fail "the dialog \"$1\" stayed open"
}

start_program() {
  # shellcheck disable=SC2086
  (cd "$source_dir" && exec env $1 "$program") >"$work/program-$2.log" 2>&1 &
  program_pid=$!
  main=$(wait_for 300 window_named "Fenzo Setup") || fail "the main window did not appear"
  xdotool mousemove 1270 1010
}

stop_program() {
  end_process "$program_pid"
  program_pid=""
}

# Centres of controls in the window at its first size of 950 x 550.
read_from_file="839 527"
sheet_icon="861 135"

# port_busy: another program's database on 3306 would replace the cache.
port_busy() { (exec 3<>/dev/tcp/127.0.0.1/3306) 2>/dev/null; }
port_free() { ! port_busy; }
if port_busy; then
  echo "readme-pictures: a database answers on 127.0.0.1:3306; waiting up to 5 minutes for it to stop" >&2
  wait_for 3000 port_free || fail "127.0.0.1:3306 stayed busy; the pictures need the offline cache alone"
fi

for language in en de; do
  if [ "$language" = de ]; then
    start_program "LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=" "$language"
    choose="Datei auswählen" sheet_title="Installationsblatt"
  else
    start_program "LANGUAGE=en LANG=en_US.UTF-8 LC_ALL=" "$language"
    choose="Choose a file" sheet_title="Installation sheet"
  fi
  click $read_from_file
  type_path "$choose" "$work/shop plan.dat"
  shot "$main" "$out/readme-main-$language.png"
  if [ "$language" = en ]; then
    click $sheet_icon
    sheet=$(wait_for 100 window_named "$sheet_title") || fail "the installation sheet did not open"
    shot "$sheet" "$out/readme-sheet.png"
    eval "$(xdotool getwindowgeometry --shell "$sheet")"
    # "Save as PDF…" is the left one of the two buttons at the bottom right.
    # The dialog's field does not always take the first keys: try again.
    pdf="$work/Blatt für Kunde.pdf"
    for _ in 1 2 3; do
      click $((X + WIDTH - 175)) $((Y + HEIGHT - 28))
      type_path "$choose" "$pdf"
      wait_for 50 test -s "$pdf" && break
    done
    [ -s "$pdf" ] || fail "no PDF was saved"
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$pdf" "$work/page"
    cp "$work/page.png" "$out/readme-sheet-pdf.png"
    echo "readme-pictures: $out/readme-sheet-pdf.png"
  fi
  stop_program
  if grep -E "qml:.*(Error|TypeError|ReferenceError)|Unable to assign" "$work/program-$language.log"; then
    fail "the interface reported errors"
  fi
done
