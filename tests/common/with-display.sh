#!/usr/bin/env bash
# with-display.sh COMMAND [ARGS...]: runs COMMAND with DISPLAY pointing at an
# Xvfb server of its own (1280x1024, 24 bit) and ends that server afterwards.
# The server picks a free display number itself (-displayfd), so tests that
# run at the same time never share or fight over one, and only clients that
# hold its cookie (XAUTHORITY, set here) may connect. Exits with COMMAND's
# status; 1 when the server does not come up.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: with-display.sh COMMAND [ARGS...]" >&2; exit 2; }

dir=$(mktemp -d "${TMPDIR:-/tmp}/fenzo-display.XXXXXX")
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

# The server learns the cookie from its own authority file. It reads every
# entry there whatever display it names, while a client looks for its
# display's number: the client's file is written once the number is known.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
[ ${#cookie} -eq 32 ] || { echo "with-display: no random cookie" >&2; exit 1; }
: >"$dir/server"
xauth -q -f "$dir/server" add :0 MIT-MAGIC-COOKIE-1 "$cookie"

# -noreset: by default the server resets whenever its last client leaves, and
# a program that starts right after another closed (or while xdotool is
# between calls) can meet it mid-reset and fail to connect.
# The file exists before the server starts: the background job may open it
# after the first look below, and a look at a missing file must not end the
# script (set -e).
: >"$dir/number"
Xvfb -displayfd 3 -auth "$dir/server" -nolisten tcp -noreset -screen 0 1280x1024x24 \
  3>"$dir/number" >"$dir/xvfb.log" 2>&1 &
xvfb_pid=$!

# The number arrives, ended by a newline, once the server accepts clients.
number=""
for _ in $(seq 300); do
  number=$(sed -n '1{/^[0-9][0-9]*$/p}' "$dir/number" 2>/dev/null || true)
  [ -n "$number" ] && [ "$(tail -c 1 "$dir/number" | od -An -tx1 | tr -d ' ')" = 0a ] && break
  number=""
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$number" ]; then
  echo "with-display: Xvfb did not report a display within 30 s:" >&2
  cat "$dir/xvfb.log" >&2
  exit 1
fi

: >"$dir/client"
xauth -q -f "$dir/client" add ":$number" MIT-MAGIC-COOKIE-1 "$cookie"
export DISPLAY=":$number" XAUTHORITY="$dir/client"
status=0
"$@" || status=$?
exit "$status"
