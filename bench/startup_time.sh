#!/usr/bin/env bash
# Start-up time of the real program under a virtual X server: from starting the process until
# its first window (the About window, shown as the splash) is mapped on screen. Takes the best
# and the median of several runs; prints "key value" lines for scripts/bench's summary.
# Usage: bench/startup_time.sh <zelvora binary> [runs, default 7]
set -euo pipefail

bin=${1:?usage: startup_time.sh <zelvora binary> [runs]}
runs=${2:-7}
unset QT_QPA_PLATFORM

display=
for n in $(seq 171 240); do
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
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
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

times=()
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$bin" &
  app_pid=$!
  shown=
  # Polled without sleeping: each look costs a few milliseconds, finer than the time measured.
  while [ -z "$shown" ]; do
    if xdotool search --onlyvisible --pid "$app_pid" >/dev/null 2>&1; then
      shown=$(date +%s%N)
    fi
    kill -0 "$app_pid" 2>/dev/null || { echo "the program ended before a window showed" >&2; exit 1; }
    [ $(($(date +%s%N) - start)) -lt 20000000000 ] || { echo "no window within 20 s" >&2; exit 1; }
  done
  ms=$(((shown - start) / 1000000))
  echo "run $run: first window shown after ${ms} ms"
  times+=("$ms")
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "RESULT startup_best_ms ${sorted[0]}"
echo "RESULT startup_median_ms ${sorted[$((runs / 2))]}"
