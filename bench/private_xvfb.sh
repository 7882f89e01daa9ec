# Sourced by the start-up benches: an X server of their own for the run.
# Needs $work (a scratch folder); sets $server (its pid) and exports DISPLAY.
# Arguments go to Xvfb.
start_private_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp "$@" 3>"$work/display" 2>/dev/null &
  server=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  DISPLAY=:$(cat "$work/display")
  export DISPLAY
}
