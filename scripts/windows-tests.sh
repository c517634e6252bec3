#!/usr/bin/env bash
# The tests that run Windows programs, inside the Debian 13 root (scripts/root.sh run ...): the
# unit tests of both builds on a virtual display of their own, then the end-to-end tests that run
# the release, each worker on its own display. Reports, listings and logs go to RUNDIR, where
# scripts/test-all counts them.
# Usage: windows-tests.sh RUNDIR
# Environment: PIXMODE_E2E_WORKERS (default 3), PIXMODE_UNIT_TIMEOUT (seconds, default 900)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rundir=${1:?usage: windows-tests.sh RUNDIR}
display=$rundir/unit-display

# Ends everything this script started, by pid, and the display of the unit tests.
running=()
stop_all() {
  local pid
  for pid in "${running[@]}"; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in "${running[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  running=()
  [[ ! -e $display/env ]] || "$root/scripts/rig/stop.sh" "$display" || true
}
trap 'stop_all; exit 130' INT TERM
trap stop_all EXIT
# Runs "$@" in the background and waits for it, so that a signal is taken at once.
run() {
  "$@" &
  running=("$!")
  local status=0
  wait "${running[0]}" || status=$?
  running=()
  return "$status"
}

run "$root/scripts/rig/start.sh" "$display" 2>"$rundir/unit-display.log"
for preset in windows-x86 windows-x64; do
  (
    # shellcheck source=/dev/null
    source "$display/env"
    # Every dialog test can create its window on this display: one that cannot fails.
    export PIXMODE_REQUIRE_WINDOWS=1
    cd "$rundir"
    exe=$root/build/$preset/pixmode_tests.exe
    timeout --foreground -k 10 60 wine "$exe" --gtest_list_tests >"unit-$preset.list"
    exec timeout --foreground -k 10 "${PIXMODE_UNIT_TIMEOUT:-900}" wine "$exe" --gtest_output="json:unit-$preset.json"
  ) </dev/null >"$rundir/unit-$preset.log" 2>&1 &
  running=("$!")
  wait "${running[0]}" || echo "windows-tests: the unit tests of $preset ended with status $?" >>"$rundir/unit-$preset.log"
  running=()
done
"$root/scripts/rig/stop.sh" "$display"
rm -rf "$display/wine"

python3 -m pytest "$root/tests/e2e" -q -m wine --collect-only </dev/null >"$rundir/e2e-wine.collected" 2>&1 || true
status=0
run python3 -m pytest "$root/tests/e2e" -q -m wine -n "${PIXMODE_E2E_WORKERS:-3}" --dist loadgroup --junitxml="$rundir/e2e-wine.xml" \
  </dev/null || status=$?
exit "$status"
