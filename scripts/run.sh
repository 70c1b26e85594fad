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
  # The user's printer list is the bundle's files/PrinterList.txt. While it is
  # missing or still the shipped one, no printer of the user's own is
  # configured: start with the built-in demo printer.
  list="$bundle/files/PrinterList.txt"
  if [ $# -gt 0 ]; then
    exec "$bundle/tolvane" "$@"
  fi
  if [ -s "$list" ] && ! cmp -s "$list" "$root/files/PrinterList.txt"; then
    exec "$bundle/tolvane"
  fi
  exec "$bundle/tolvane" --demo
fi
echo "The utility's window is not part of this build yet. Built so far, in $bundle:"
ls "$bundle"
if [ -x "$bundle/printer-emulator" ]; then
  echo
  echo "Try the printer emulator: $bundle/printer-emulator --help"
fi
