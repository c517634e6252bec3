#!/usr/bin/env bash
# Configures and builds CMake presets, each whole or only the targets named after a colon.
# Usage: build.sh [PRESET[:TARGET,...]...]   (default: windows-x86, the release)
#   e.g. build.sh windows-x86 windows-x64:pixmode_tests
# Environment: PIXMODE_JOBS (default 2), PIXMODE_UPDATE_FEED (the updater's address, given to every
# configuration so that none keeps the one of an earlier build; empty: none)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
(($# > 0)) || set -- windows-x86
for request in "$@"; do
  preset=${request%%:*}
  targets=()
  if [[ $request == *:* ]]; then
    IFS=, read -r -a names <<<"${request#*:}"
    for name in "${names[@]}"; do targets+=(--target "$name"); done
  fi
  cmake --preset "$preset" -DPIXMODE_UPDATE_FEED="${PIXMODE_UPDATE_FEED:-}" >/dev/null
  cmake --build --preset "$preset" -j "${PIXMODE_JOBS:-2}" "${targets[@]}"
done
