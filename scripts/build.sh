#!/usr/bin/env bash
# Configures and builds the given CMake presets (default: windows-x86, the release).
# Usage: build.sh [PRESET...]     Environment: PIXMODE_JOBS (default 2)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
(($# > 0)) || set -- windows-x86
for preset in "$@"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "${PIXMODE_JOBS:-2}"
done
