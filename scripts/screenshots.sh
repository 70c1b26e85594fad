#!/usr/bin/env bash
# Takes the README's screenshots: the utility runs in demo mode under a
# virtual X server, and the main window and the printer management dialog
# are saved as PNG files in docs/screenshots/, in Simplified Chinese and in
# English; the dialog windows are rendered offscreen by their tests against
# the printer emulator. Needs xvfb, xdotool and imagemagick
# (scripts/packages.txt).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bundle="${BUILD_DIR:-$root/build}/bundle"
out="$root/docs/screenshots"
for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "screenshots.sh: $tool is missing; run scripts/setup.sh" >&2
    exit 1
  fi
done
if [ ! -x "$bundle/tolvane" ] || [ ! -x "$bundle/dialog_window_tests" ]; then
  "$root/scripts/build.sh"
fi
mkdir -p "$out"

display=":$((200 + $$ % 500))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
utility=""
cleanup() {
  if [ -n "$utility" ]; then kill "$utility" 2>/dev/null || true; wait "$utility" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# The visible top-level windows of the utility, newest last.
windows() { xdotool search --onlyvisible --pid "$utility" 2>/dev/null || true; }
wait_windows() {
  for _ in $(seq 100); do
    [ "$(windows | wc -l)" -ge "$1" ] && return 0
    sleep 0.1
  done
  echo "screenshots.sh: the utility showed no window" >&2
  return 1
}

shoot() { # language switch, file suffix
  "$bundle/tolvane" --demo "$1" &
  utility=$!
  wait_windows 1
  sleep 1
  main="$(windows | head -n 1)"
  import -window "$main" "$out/main-$2.png"
  # "Add printer" sits at the top left of the window.
  xdotool mousemove --window "$main" 60 27 click 1
  wait_windows 2
  sleep 1
  dialog="$(windows | grep -vx "$main" | tail -n 1)"
  import -window "$dialog" "$out/printer-manage-$2.png"
  kill "$utility"
  wait "$utility" 2>/dev/null || true
  utility=""
  echo "saved $out/main-$2.png and $out/printer-manage-$2.png"
}

shoot -CN zh-CN
shoot -EN en

# The dialog windows, after their read from an emulated printer.
(cd "$bundle" && TOLVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen \
  ./dialog_window_tests --gtest_filter='*RendersInBothLanguages*' >/dev/null)
# The firmware updater FWUpdate/Brakwell, listing a stand-in dfu-util's devices.
if [ -x "$bundle/brakwell_tests" ]; then
  (cd "$bundle" && TOLVANE_SCREENSHOT_DIR="$out" QT_QPA_PLATFORM=offscreen \
    ./brakwell_tests --gtest_filter='*RendersInBothLanguages*' >/dev/null)
fi
echo "saved the dialog windows in $out"
