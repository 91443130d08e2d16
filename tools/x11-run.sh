#!/usr/bin/env bash
# Runs a command against a private X server (Xvfb), for the tests that need real screen
# pixels or a real clipboard. The server is chosen by Xvfb itself (-displayfd), so runs
# in parallel never race for a display number, and it is stopped when the command ends.
#
#   x11-run.sh COMMAND [ARGS...]
set -uo pipefail
[ $# -ge 1 ] || { echo "usage: x11-run.sh COMMAND [ARGS...]" >&2; exit 2; }
if ! command -v Xvfb >/dev/null; then
  echo "x11-run.sh: Xvfb is not installed (tools/deps.sh installs it)" >&2
  exit 1
fi

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
server=$!
read -r -t 20 display <"$fifo"
rm -f "$fifo"
if [ -z "${display:-}" ]; then
  echo "x11-run.sh: Xvfb did not start" >&2
  kill "$server" 2>/dev/null
  exit 1
fi

DISPLAY=:$display QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $status
