#!/usr/bin/env bash
# Configures and builds the whole project into build/ (or $BUILD_DIR).
# Extra arguments go to cmake's configure step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
jobs="${JOBS:-$(nproc)}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
cmake --build "$build" -j "$jobs"
