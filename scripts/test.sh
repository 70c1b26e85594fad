#!/usr/bin/env bash
# Sets up, builds with warnings as errors, and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" -DTOLVANE_WERROR=ON
build="${BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j 3 --timeout 300
