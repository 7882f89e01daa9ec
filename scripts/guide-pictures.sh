#!/bin/sh
# The user guide's pictures, taken from the real programs: velomarforge under
# Xvfb and VelomarForge.exe under wine64, each on a copy of the sample project,
# each dialog opened with the keys a user presses, found by its title and saved
# cropped to its window as a small palette PNG in docs/pictures/:
#   scripts/guide-pictures.sh [BUILD]        (BUILD defaults to build)
# Needs Xvfb, xdotool, ImageMagick and, for the Windows editor, wine64 and the
# cross-built VelomarForge.exe (skipped with a note when missing).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$root/docs/pictures
# A fixed folder, so that the paths the dialogs show are the same each run;
# made anew (mkdir refuses one that is there, a link included).
work=/tmp/velomar-guide
mkdir -m 700 "$work" 2>/dev/null ||
  { echo "guide-pictures: $work is there: another run, or a stopped one to remove" >&2; exit 1; }
pids=""
cleanup() {
  [ -z "${WINEPREFIX:-}" ] || "$wineserver" -k 2>/dev/null || true
  for p in ${forge_pid:-} $pids; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() { echo "guide-pictures: $*" >&2; exit 1; }
mkdir -p "$out"

# A display of our own; Xvfb names the free one it took.
Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids="$pids $!"
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
DISPLAY=:$(cat "$work/display")
export DISPLAY

# The id of the visible window whose whole title is $1, once it shows (30 s).
find_window() {
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.2
  done
  fail "no window \"$1\" showed"
}
# Keys to the window with that title, which gets the focus first.
keys() {
  id=$(find_window "$1"); shift
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.3
  for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.4; done
}
# The window with that title saved as docs/pictures/NAME.png, 256 colours, no
# time stamps (a caret or a focus mark may still differ from run to run).
shot() {
  id=$(find_window "$2")
  sleep "${3:-1}"  # drawn, and the menu's logos still
  import -window "$id" "$work/shot.png"
  convert "$work/shot.png" -strip -dither None -colors 256 \
    -define png:exclude-chunks=date,time "PNG8:$out/$1.png"
  echo "$out/$1.png"
}
# A fresh copy of the sample for each editor: a build changes the folder.
project() {
  rm -rf "$work/Sample" && cp -R "$root/examples/sample" "$work/Sample"
  echo "$work/Sample"
}

# Both editors: the frame, each property dialog from the tree (Background
# Image is the second row, Audio the third, the first link below Hyper-Links,
# the last logo at the end), New Project, About, and the message of Build.
# $1 is the pictures' prefix, $2 the frame's title (a pattern), $3 the command
# that starts the editor on the sample, $4 what ends it, $5 the keys that give
# the tree the focus (the Windows editor's tree does not keep it past a dialog).
dialogs() {
  prefix=$1 frame=$2 start=$3 stop=$4 tree=$5
  $start
  shot "$prefix-frame" "$frame" 3
  # $tree is empty or one key: unquoted on purpose.
  # shellcheck disable=SC2086
  {
    keys "$frame" $tree Home Down Return
    shot "$prefix-background" "Main Window Background Properties"
    keys "Main Window Background Properties" Escape
    keys "$frame" $tree Home Down Down Return
    shot "$prefix-audio" "Audio Properties"
    keys "Audio Properties" Escape
    keys "$frame" $tree Home Down Down Down Down Return
    shot "$prefix-hyperlink" "Hyperlink Properties"
    keys "Hyperlink Properties" Escape
    keys "$frame" $tree End Return
    shot "$prefix-logo" "Bitmaps & Logos"
    keys "Bitmaps & Logos" Escape
  }
  keys "$frame" ctrl+n
  shot "$prefix-new-project" "Create a New Project"
  keys "Create a New Project" Escape
  keys "$frame" alt+h a
  shot "$prefix-about" "About VelomarForge"
  keys "About VelomarForge" Escape
  keys "$frame" F7
  shot "$prefix-build" "VelomarForge"
  $stop
}

# --- velomarforge -------------------------------------------------------------
# Its own settings store: the wizard shows at the first start, nothing recent.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" NO_AT_BRIDGE=1
mkdir -p "$HOME"
forge=$build/bin/velomarforge
[ -x "$forge" ] || fail "$forge is not built"
linux_start() { "$forge" "$linux" >/dev/null 2>&1 & forge_pid=$!; }
linux_stop() { kill "$forge_pid"; wait "$forge_pid" 2>/dev/null || true; }
"$forge" >/dev/null 2>&1 &
forge_pid=$!
shot linux-wizard "Project Wizard"
linux_stop
linux=$(project)
dialogs linux "VelomarForge - .*" linux_start linux_stop ""

# --- VelomarForge.exe under wine64 --------------------------------------------
# The 64-bit build of the same code: this machine runs no 32-bit programs.
exe=$build/windows/x86_64/editor/win32/VelomarForge.exe
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ ! -f "$exe" ] || [ ! -x "$wine64" ]; then
  echo "guide-pictures: no wine64 or $exe: the Windows editor's pictures are kept" >&2
  exit 0
fi
export WINEPREFIX="$work/wine" WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv=d"
"$wine64" wineboot -i >/dev/null 2>&1
# Wine draws the windows' frames itself: there is no window manager here.
"$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# The captions' buttons are drawn in Marlett, which a new prefix may lack.
marlett=/usr/share/wine/fonts/marlett.ttf
[ ! -f "$marlett" ] || cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
"$wineserver" -w
windows=$(project)
# Build copies the runtime from beside the editor.
cp "$exe" "$build/bin/Velomar.exe" "$work/"
# Each launch ends with the server, so the next starts from the saved state.
wine_start() { (cd "$work" && "$wine64" VelomarForge.exe "${1:-}" >/dev/null 2>&1 &); }
wine_stop() { "$wineserver" -k 2>/dev/null || true; "$wineserver" -w; }
wine_start
shot windows-wizard "Project Wizard"
wine_stop
wine_project() { wine_start "Z:$(echo "$windows" | tr / '\\')"; }
dialogs windows "VelomarForge - .*" wine_project wine_stop F6
