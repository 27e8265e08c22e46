#!/usr/bin/env bash
# isolated.sh [--database SET] [--] COMMAND [ARGS...]
#
# Runs COMMAND in a network namespace of its own: its 127.0.0.1 is private, so
# nothing that listens on the machine (a developer's MariaDB on 3306, another
# checkout's tests) can be reached, and nothing COMMAND starts is seen outside.
# The program's compiled-in 127.0.0.1:3306 therefore reaches only a server the
# test started itself. As root the namespace comes from `unshare -n`, otherwise
# from `unshare -rn` (a user namespace as well).
#
# --database SET: also starts a throwaway MariaDB server (tools/devdb) with the
# data set SET in a temporary directory, and hands it to COMMAND in the
# environment: FENZO_TEST_DB_PORT (its port: 3306 inside the namespace) and
# FENZO_TEST_DB_SOCKET (root's socket). The account is FENZO_TEST_DB_NAME,
# FENZO_TEST_DB_USER and FENZO_TEST_DB_PASSWORD when set, else the development
# defaults. The server is stopped when COMMAND ends.
#
# Where no namespace can be made: with --database the server gets a port that
# is free at run time instead; without it COMMAND needs the private 127.0.0.1
# and is skipped (exit 77, with a message), never run against whatever answers.
# Otherwise exits with COMMAND's status.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
devdb=$here/../../tools/devdb/devdb
skip=77

inside=""
data=""
while [ $# -gt 0 ]; do
  case $1 in
    --inside-namespace) inside=1; shift ;;
    --database) data=${2:?--database needs a data set}; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { echo "usage: isolated.sh [--database SET] [--] COMMAND [ARGS...]" >&2; exit 2; }

# A namespace of our own, unless this is the run inside it already.
if [ -z "$inside" ]; then
  if [ "$(id -u)" = 0 ]; then unshare=(unshare -n); else unshare=(unshare -rn); fi
  if "${unshare[@]}" true 2>/dev/null; then
    exec "${unshare[@]}" -- "$0" --inside-namespace ${data:+--database "$data"} -- "$@"
  fi
  if [ -z "$data" ]; then
    echo "isolated: skipped: no private network namespace (${unshare[*]} failed), and this test needs" \
      "127.0.0.1:3306 to itself" >&2
    exit "$skip"
  fi
  echo "isolated: no private network namespace (${unshare[*]} failed); the test server gets a free port" >&2
else
  ip link set lo up || { echo "isolated: cannot bring up the namespace's loopback" >&2; exit 1; }
fi

[ -n "$data" ] || exec "$@"

# A port nobody holds now; the server's own start refuses a port taken since.
free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

dir=$(mktemp -d "${TMPDIR:-/tmp}/fenzo-db.XXXXXX")
cleanup() {
  "$devdb" stop --datadir "$dir" >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

account=(--database "${FENZO_TEST_DB_NAME:-satellites}" --user "${FENZO_TEST_DB_USER:-fenzo_ro}"
  --password "${FENZO_TEST_DB_PASSWORD-fenzo}")
started=""
for attempt in 1 2 3; do
  if [ -n "$inside" ]; then port=3306; else port=$(free_port); fi
  if "$devdb" start --datadir "$dir" --port "$port" --data "$data" "${account[@]}" >"$dir/start.log" 2>&1; then
    started=1
    break
  fi
  [ -z "$inside" ] || break
  echo "isolated: the server did not start on port $port (attempt $attempt)" >&2
done
if [ -z "$started" ]; then
  cat "$dir/start.log" >&2
  echo "isolated: the test database did not start" >&2
  exit 1
fi
export FENZO_TEST_DB_PORT=$port FENZO_TEST_DB_SOCKET=$dir/sock
status=0
"$@" || status=$?
exit "$status"
