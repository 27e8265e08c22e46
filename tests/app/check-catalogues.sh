#!/usr/bin/env bash
# Fails when lupdate would change a catalogue: a text was added to, changed in
# or removed from the code without its catalogue entry.
# usage: check-catalogues.sh LUPDATE SOURCE_DIR WORK_DIR
set -euo pipefail
lupdate=$1 source=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
status=0
cd "$source"
for ts in translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -no-obsolete src qml -ts "$copy"
  if ! diff -u "$ts" "$copy"; then
    echo "$ts is not in step with the code: run the update_translations target" >&2
    status=1
  fi
done
exit $status
