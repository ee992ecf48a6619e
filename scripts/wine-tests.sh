#!/usr/bin/env bash
# Cross-builds the Windows side with mingw-w64 and runs every test under Wine
# on a private X server: engine, shell and filter tests plus the UI test.
#
#   scripts/wine-tests.sh                     build and run ctest --preset mingw
#   scripts/wine-tests.sh --screenshot FILE   also save a PNG of the main window
#
# Needs: cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 fonts-wine
#        xvfb xauth imagemagick x11-utils xdotool (and googletest's source).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/mingw"
screenshot=""

while (($#)); do
  case "$1" in
    --screenshot)
      [[ $# -ge 2 ]] || { echo "--screenshot needs a file name" >&2; exit 64; }
      screenshot=$(realpath -m "$2"); shift 2 ;;
    -h|--help) sed -n '2,9p' "${BASH_SOURCE[0]}"; exit 0 ;;
    *) echo "unknown argument: $1" >&2; exit 64 ;;
  esac
done

export WINEPREFIX="$root/build/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: their install prompts would stall a headless run.
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -f "${display_file:-}"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and reports it on the given descriptor.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s "$display_file" ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[[ -s "$display_file" ]] || { echo "Xvfb did not report a display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$display_file")"
echo "Xvfb on $DISPLAY"

# A fresh prefix once; later runs reuse it.
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "creating Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
if [[ -d /usr/share/wine/fonts ]]; then cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true; fi
# Without a virtual desktop, windows that are not shown yet stall on a
# display without a window manager.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
wineserver -w

# Keep the server and the desktop up for the whole run instead of starting
# them for every test program.
wineserver -p
(wineboot >/dev/null 2>&1 &)

cmake --preset mingw
cmake --build --preset mingw

status=0
# Now and then Wine fails to start a program at all (exit status 1, not a
# byte of output); a test that fails is run once more so that such a start
# does not fail the run. The native runs of the same tests have no retry.
ctest --preset mingw --repeat until-pass:2 || status=$?

if [[ -n "$screenshot" ]]; then
  stage="$build/tests/ui_win32/morwick_ui_stage.exe"
  # The stage program fills the clipboard, starts the app, waits for its
  # window and prints the window's rectangle on the Wine desktop.
  # Into a file: the app inherits the stage's output, so a pipe would stay
  # open for as long as the app runs.
  rect_file="$build/stage-rect.txt"
  timeout 120 wine "$stage" >"$rect_file"
  rect=$(tr -d '\r' <"$rect_file" | tail -n1)
  read -r left top right bottom <<<"$rect"
  desktop=$(xdotool search --name 'Wine desktop' | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$desktop")"
  sleep 1
  mkdir -p "$(dirname "$screenshot")"
  import -window root -crop "$((right - left))x$((bottom - top))+$((X + left))+$((Y + top))" +repage "$screenshot"
  echo "screenshot: $screenshot"
  wineserver -k >/dev/null 2>&1 || true
fi

exit "$status"
