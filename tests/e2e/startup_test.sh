#!/usr/bin/env bash
# The real program under a virtual X server: the splash gives way to the
# calculator window after two to three seconds, and quitting from the
# keyboard ends the process with status 0. Command-line arguments that Qt
# would act on must change nothing.
# Usage: startup_test.sh <path to the zelvora binary>
set -euo pipefail

bin=${1:?usage: startup_test.sh <zelvora binary>}
unset QT_QPA_PLATFORM

display=
for n in $(seq 91 160); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=":$n"
    break
  fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display

for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start on $display" >&2; exit 1; }

started=$(date +%s.%N)
ZELVORA_IGNORED=1 "$bin" -platform offscreen &
app_pid=$!

calculator=
for _ in $(seq 300); do
  calculator=$(xdotool search --onlyvisible --name '^Zelvora$' 2>/dev/null | head -n 1 || true)
  [ -n "$calculator" ] && break
  kill -0 "$app_pid" 2>/dev/null || { echo "the program ended before its window showed" >&2; exit 1; }
  sleep 0.1
done
[ -n "$calculator" ] || { echo "the calculator window never showed" >&2; exit 1; }
shown=$(date +%s.%N)
elapsed=$(awk -v a="$started" -v b="$shown" 'BEGIN { printf "%.2f", b - a }')
echo "calculator shown after ${elapsed}s"
awk -v e="$elapsed" 'BEGIN { exit !(e >= 2.0) }' || {
  echo "the splash gave way after ${elapsed}s, before two seconds" >&2
  exit 1
}

xdotool windowfocus --sync "$calculator" 2>/dev/null || xdotool windowfocus "$calculator"
sleep 0.3
xdotool key --clearmodifiers ctrl+q

status=
for _ in $(seq 150); do
  if ! kill -0 "$app_pid" 2>/dev/null; then
    set +e
    wait "$app_pid"
    status=$?
    set -e
    break
  fi
  sleep 0.1
done
[ -n "$status" ] || { echo "the program did not quit within 15 s" >&2; exit 1; }
app_pid=
[ "$status" -eq 0 ] || { echo "exit status $status, expected 0" >&2; exit 1; }
echo "exit status 0"
