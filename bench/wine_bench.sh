# Sourced by the Wine start-up benches, after private_xvfb.sh.
# Needs $build, $wine, $wineserver and $idle (the windowless keeper).

# A scratch folder ($work), a private X server, one Wine session and Wine's
# desktop kept up, all ended on exit. Wine's desktop (explorer.exe) stays up
# between runs, as Windows keeps its own: without a program left running it
# would start again for each one. $1: the scratch folder's name; $2:
# WINEDLLOVERRIDES.
begin_wine_bench() {
  work=$(mktemp -d "/tmp/$1.XXXXXX")
  server=""
  keeper=""
  trap end_wine_bench EXIT INT TERM
  start_private_xvfb
  start_wine_session "$2"
  "$wine" "$idle" >/dev/null 2>&1 &
  keeper=$!
}

end_wine_bench() {
  [ -n "$keeper" ] && kill "$keeper" 2>/dev/null
  "$wineserver" -k 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}

# One Wine server and prefix for the whole bench, as Windows itself keeps its
# session: no run pays for starting it. $1: WINEDLLOVERRIDES.
start_wine_session() {
  WINEPREFIX="$work/prefix"
  WINEDEBUG=-all
  WINEDLLOVERRIDES=$1
  export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
  mkdir -p "$WINEPREFIX"
  "$wineserver" -p
  "$wine" wineboot >/dev/null 2>&1
}

# Wine draws text its own way: the link texts of $1 (a project) are blacked
# out in each picture given after it, and the probes pass over black points.
black_out_link_texts() {
  project=$1
  shift
  bands=$("$build/bin/velomarforge-cli" show "$project" | python3 -c '
import json, sys
d = json.load(sys.stdin)
size = abs(d["HotSpotFontSize"])
for h in d["HotSpots"]:
    x, y = h["HotSpotTextLocationLeft"], h["HotSpotTextLocationTop"]
    print("-draw\nrectangle %d,%d 637,%d" % (x - 4, y - 4, y + 2 * size + 4))')
  for picture in "$@"; do
    # shellcheck disable=SC2086 # one -draw and its argument a line
    (IFS='
'; convert "$picture" -fill black $bands "png24:$picture")
  done
}

median() {  # column $2 of file $1
  sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}
