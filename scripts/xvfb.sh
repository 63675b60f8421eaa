# Source this: start_xvfb_server starts a private Xvfb at 1920 x 1080 on the
# first free display number from FIRST (default 99), exports DISPLAY, sets
# XVFB_PID and returns once the server answers (status 1 if it never does).
# With --own-session the server runs in a session of its own, so that a
# Ctrl-C in the terminal does not reach it before the program drawing into it.
#   start_xvfb_server [--own-session] [FIRST]
start_xvfb_server() {
  local launcher=() display
  if [ "${1:-}" = "--own-session" ]; then
    launcher=(setsid)
    shift
  fi
  display="${1:-99}"
  while true; do
    while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
      display=$((display + 1))
    done
    "${launcher[@]}" Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$display"
    for _ in $(seq 100); do
      # A server started for the same number a moment earlier (another test
      # run on this machine) makes ours exit; the answer would be from that
      # one, which goes away with its owner. The next number is tried then.
      kill -0 "$XVFB_PID" 2>/dev/null || break
      xdpyinfo >/dev/null 2>&1 && kill -0 "$XVFB_PID" 2>/dev/null && return 0
      sleep 0.1
    done
    kill -0 "$XVFB_PID" 2>/dev/null && return 1
    display=$((display + 1))
  done
}
