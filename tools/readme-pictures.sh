#!/usr/bin/env bash
# Takes the README's pictures of the real program: the main window in English
# and in German, the installation sheet window, and the first page of a PDF
# saved from it. The program runs in a network namespace of its own with a
# throwaway database holding the realistic set (tools/devdb) and in an Xvfb
# display of its own, with a private HOME; the plan shown is loaded from a
# settings file (written by fenzo-readme-plan), as a user would.
#   tools/readme-pictures.sh BUILD_DIR [OUT_DIR]   (OUT_DIR: images/)
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "${2:-$source/images}" && cd "${2:-$source/images}" && pwd)
program=$build/src/fenzo_setup
planner=$build/tools/readme-plan/fenzo-readme-plan
devdb=$source/tools/devdb/devdb
for tool in Xvfb xauth xdotool import convert compare pdftoppm; do
  command -v "$tool" >/dev/null || { echo "readme-pictures: $tool is missing (tools/setup-debian.sh)" >&2; exit 1; }
done
[ -x "$program" ] && [ -x "$planner" ] || { echo "readme-pictures: build $program and $planner first" >&2; exit 1; }
# The Qt major version of the build: its file dialog differs.
export FENZO_E2E_QT_MAJOR=5
grep -q '^QT_DIR:PATH=.*Qt6' "$build/CMakeCache.txt" && FENZO_E2E_QT_MAJOR=6

# 127.0.0.1:3306 of our own, whatever runs on the machine.
if [ -z "${FENZO_README_ISOLATED:-}" ]; then
  export FENZO_README_ISOLATED=1
  exec "$source/tests/common/isolated.sh" -- "$0" "$@"
fi
# The account the program was built with.
account() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
export FENZO_TEST_DB_NAME FENZO_TEST_DB_USER FENZO_TEST_DB_PASSWORD
FENZO_TEST_DB_NAME=$(account FENZO_DB_NAME) FENZO_TEST_DB_USER=$(account FENZO_DB_USER)
FENZO_TEST_DB_PASSWORD=$(account FENZO_DB_PASSWORD)

window_test_name=readme-pictures
# shellcheck source=../tests/common/window-lib.sh
. "$source/tests/common/window-lib.sh"
enter_display "$@"

work=$(mktemp -d)
remove_work() {
  window_cleanup
  rm -rf "$work"
}
trap remove_work EXIT
trap 'exit 1' INT TERM

# A private home; the plan file has a blank in its name.
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
export XDG_RUNTIME_DIR=$HOME/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
need_private_network
start_db
plan="$work/shop plan.dat"
"$planner" "$plan" >"$work/planner.log" 2>&1 || fail "the plan was not written: $(cat "$work/planner.log")"

# window_shot WINDOW FILE: the window alone, once it is drawn and still.
window_shot() {
  xdotool mousemove 1270 1010
  settle "$work/shot.png" 100 "$1" || fail "no steady picture of window $1 for $2: $settle_problem"
  cp "$work/shot.png" "$2"
  note "$2"
}

# Centres of controls in the window at its first size of 950 x 550.
sheet_icon="861 135"

for language in en de; do
  if [ "$language" = de ]; then
    locale=(LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=)
    choose="Datei auswählen" sheet_title="Installationsblatt"
  else
    locale=(LANGUAGE=en LANG=en_US.UTF-8 LC_ALL=)
    choose="Choose a file" sheet_title="Installation sheet"
  fi
  start_program "$work/program-$language.log" env "${locale[@]}"
  main=$(main_window) || fail "no main window"
  press "$btn_read_file"
  wait_for 100 window_named "$choose" >/dev/null || fail "no dialog \"$choose\""
  choose_path "$choose" "$plan"
  wait_for 50 grep -q "^fenzo.file: File from version" "$work/program-$language.log" || fail "the plan was not read"
  window_shot "$main" "$out/readme-main-$language.png"
  if [ "$language" = en ]; then
    click $sheet_icon
    wait_for 100 window_named "$sheet_title" >/dev/null || fail "the installation sheet did not open"
    sheet=$(window_named "$sheet_title")
    window_shot "$sheet" "$out/readme-sheet.png"
    eval "$(xdotool getwindowgeometry --shell "$sheet")"
    # "Save as PDF…" is the left one of the two buttons at the bottom right.
    pdf="$work/Blatt für Kunde.pdf"
    click $((X + WIDTH - 175)) $((Y + HEIGHT - 28))
    wait_for 100 window_named "$choose" >/dev/null || fail "no dialog \"$choose\" for the PDF"
    choose_path "$choose" "$pdf"
    wait_for 50 test -s "$pdf" || fail "no PDF was saved"
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$pdf" "$work/page"
    cp "$work/page.png" "$out/readme-sheet-pdf.png"
    note "$out/readme-sheet-pdf.png"
  fi
  stop_program
  if grep -E "qml:.*(Error|TypeError|ReferenceError)|Unable to assign" "$work/program-$language.log"; then
    fail "the interface reported errors"
  fi
done
