#!/usr/bin/env bash
# Sets up, builds, and starts the utility. With no printer list of your own
# it starts in demo mode, talking to the built-in printer emulator.
# Arguments are passed to the utility (for example: scripts/run.sh -EN).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
bundle="${BUILD_DIR:-$root/build}/bundle"
if [ -x "$bundle/tolvane" ]; then
  if [ -s "$bundle/files/PrinterList.txt" ] || [ $# -gt 0 ]; then
    exec "$bundle/tolvane" "$@"
  fi
  exec "$bundle/tolvane" --demo
fi
echo "The utility's window is not part of this build yet. Built so far, in $bundle:"
ls "$bundle"
if [ -x "$bundle/printer-emulator" ]; then
  echo
  echo "Try the printer emulator: $bundle/printer-emulator --help"
fi
