# A private virtual X server, and optionally a window manager on it, for
# scripts that run the real program. Sourced, not run.
#
#   x_session_start      starts Xvfb on a display it picks itself, waits until
#                        it takes clients and exports DISPLAY; the server
#                        never resets
#   x_session_start_wm   starts evilwm on it and waits until it manages
#   x_session_stop       ends what these started; call it from the EXIT trap
#   x_windows_of <pid>   prints "id width height title" per visible window
#
# The start functions print why they failed and return 1, so the caller can
# add its own report before it exits.

x_session_dir=
x_session_pids=()

x_session_start() {
  x_session_dir=$(mktemp -d) || return 1
  # Xvfb picks a free display itself and writes its number to descriptor 3;
  # looking for a free number from outside races with other servers starting.
  # Left to itself, it resets whenever its last client leaves, and a client
  # still connecting then doesn't count: the reset drops it.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$x_session_dir/display" >"$x_session_dir/xvfb.log" 2>&1 &
  local xvfb=$! i
  x_session_pids+=("$xvfb")
  for ((i = 0; i < 100; i++)); do
    [ -s "$x_session_dir/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  [ -s "$x_session_dir/display" ] || { echo "Xvfb named no display within 10 s" >&2; return 1; }
  export DISPLAY=:$(cat "$x_session_dir/display")
  # Under load the number can come a moment before the server takes clients.
  for ((i = 0; i < 100; i++)); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb on $DISPLAY took no clients within 10 s" >&2
  return 1
}

# A window manager is what turns a close request into the window's Close
# event, as the close box does on a desktop. Xvfb offers only its built-in
# core fonts, so the manager is told to use "fixed".
x_session_start_wm() {
  evilwm --fn fixed >"$x_session_dir/wm.log" 2>&1 &
  local wm=$! i
  x_session_pids+=("$wm")
  for ((i = 0; i < 100; i++)); do
    kill -0 "$wm" 2>/dev/null || { echo "the window manager ended" >&2; return 1; }
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep 'window id' >/dev/null && return 0
    sleep 0.1
  done
  echo "the window manager did not take over within 10 s" >&2
  return 1
}

x_session_stop() {
  # Only what still runs as this shell's own child is ended: a finished one's
  # process id may already belong to someone else. The window manager goes
  # before the server it draws on.
  local running i pid
  running=" $(jobs -pr | tr '\n' ' ') "
  for ((i = ${#x_session_pids[@]} - 1; i >= 0; i--)); do
    pid=${x_session_pids[i]}
    if [[ $running == *" $pid "* ]]; then
      kill "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
    fi
  done
  x_session_pids=()
  [ -z "$x_session_dir" ] || rm -rf "$x_session_dir"
  x_session_dir=
  return 0
}

# The title is read from _NET_WM_NAME, which the toolkit fills in with the
# program's name even for the untitled About window; WM_NAME stays empty there.
x_windows_of() {
  local id geometry title WINDOW X Y WIDTH HEIGHT SCREEN
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    # A window can go between the search and this look.
    geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
    eval "$geometry"
    title=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^=]* = "\(.*\)"$/\1/p')
    echo "$id $WIDTH $HEIGHT $title"
  done
}
