#!/usr/bin/env bash
# foreign-listeners.sh COMMAND [ARGS...]: runs COMMAND while listeners that are
# no database hold 127.0.0.1:3306 and 127.0.0.1:33306, as a developer's own
# server or another checkout's tests may: they accept every connection, send
# a line of text that is no server greeting, and keep it open. Tests that use
# only what they started themselves pass beside them.
# The listeners and COMMAND share a network namespace of their own, so the
# machine's ports are neither taken nor reached. Exits with COMMAND's status;
# 77 when no namespace can be made.
set -euo pipefail
ports=(3306 33306)

if [ "${1:-}" != --inside-namespace ]; then
  if [ "$(id -u)" = 0 ]; then unshare=(unshare -n); else unshare=(unshare -rn); fi
  if ! "${unshare[@]}" true 2>/dev/null; then
    echo "foreign-listeners: skipped: no private network namespace (${unshare[*]} failed)" >&2
    exit 77
  fi
  exec "${unshare[@]}" -- "$0" --inside-namespace "$@"
fi
shift
ip link set lo up

python3 - "${ports[@]}" <<'PY' &
import socket, sys, threading
held = []
def serve(listener):
    while True:
        connection, _ = listener.accept()
        try:
            connection.sendall(b"this is not the database you are looking for\r\n")
        except OSError:
            pass
        held.append(connection)
listeners = []
for port in sys.argv[1:]:
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", int(port)))
    listener.listen(64)
    listeners.append(listener)
for listener in listeners[1:]:
    threading.Thread(target=serve, args=(listener,), daemon=True).start()
serve(listeners[0])
PY
listener_pid=$!
trap 'kill "$listener_pid" 2>/dev/null || true; wait "$listener_pid" 2>/dev/null || true' EXIT

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
for port in "${ports[@]}"; do
  for _ in $(seq 100); do
    answers "$port" && break
    kill -0 "$listener_pid" 2>/dev/null || { echo "foreign-listeners: the listener ended" >&2; exit 1; }
    sleep 0.1
  done
  answers "$port" || { echo "foreign-listeners: nothing listens on $port after 10 s" >&2; exit 1; }
done
echo "foreign-listeners: 127.0.0.1:${ports[0]} and 127.0.0.1:${ports[1]} answer with no database"
status=0
"$@" || status=$?
exit "$status"
