#!/usr/bin/env bash
# A test server keeps its temporary files to itself. A MariaDB server deletes
# every "#sql*" file in its temporary directory when it starts; test servers
# that shared one (TMPDIR, /tmp) wiped each other's temporary tables, and a
# server installing at that moment failed ("Unknown table 'mysql.tmp_user_sys'").
# Runs in a network namespace of its own (isolated.sh).
set -euo pipefail
devdb=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools/devdb" && pwd)/devdb

work=$(mktemp -d "${TMPDIR:-/tmp}/fenzo-tmpdir.XXXXXX")
trap '"$devdb" stop --datadir "$work/server" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
mkdir -p "$work/shared"
probe="$work/shared/#sql-temptable-another-server-1-1.MAI"
echo "another server's temporary table" >"$probe"

TMPDIR=$work/shared "$devdb" start --datadir "$work/server" >/dev/null
if [ ! -f "$probe" ]; then
  echo "FAIL: starting a test server deleted another server's temporary table in the shared TMPDIR" >&2
  exit 1
fi
echo "PASS: the test server left the shared temporary directory alone"
