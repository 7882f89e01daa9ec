# Sourced by the start-up benches: an X server of their own for the run.
# Needs $work (a scratch folder); sets $server (its pid) and exports DISPLAY.
# place_of needs $locate too.
# Arguments go to Xvfb.
start_private_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp "$@" 3>"$work/display" 2>/dev/null &
  server=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  DISPLAY=:$(cat "$work/display")
  export DISPLAY
}

# Where a program shows a picture on this server: it is started, found and
# ended, so the timed runs can look at that place alone. Prints "LEFT TOP".
place_of() {  # picture, then program args
  picture=$1
  shift
  "$@" >/dev/null 2>&1 &
  pid=$!
  at=""
  for _ in $(seq 150); do
    sleep 0.2
    at=$("$locate" "$picture") && break
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  [ -n "$at" ] || { echo "${0##*/}: $1 never showed $picture" >&2; exit 1; }
  echo "$at"
}
