#!/usr/bin/env bash
# The tests that run Windows programs, inside the Debian 13 root (scripts/root.sh run ...): the
# unit tests of both builds on a virtual display of their own, then the end-to-end tests that run
# the release, each worker on its own display. Reports, listings and logs go to RUNDIR, where
# scripts/test-all counts them.
# Usage: windows-tests.sh RUNDIR
# Environment: PIXMODE_RELEASE_RUNS (yes, or no where the machine runs no 32-bit x86 code: then
# only the 64-bit build's programs run), PIXMODE_E2E_WORKERS (default 3), PIXMODE_UNIT_TIMEOUT
# (seconds, default 900)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
rundir=${1:?usage: windows-tests.sh RUNDIR}
display=$rundir/unit-display
presets=(windows-x86 windows-x64)
case ${PIXMODE_RELEASE_RUNS:-} in
  yes) ;;
  no)
    presets=(windows-x64)
    export PIXMODE_BUILD_DIR=$root/build/windows-x64 ;;
  *)
    echo "windows-tests: PIXMODE_RELEASE_RUNS must be yes or no" >&2
    exit 2 ;;
esac

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
  # The displays of the unit tests and of the end-to-end workers, which a stopped run leaves.
  local rig
  for rig in "$display" "$rundir"/e2e-rigs/pixmode-e2e-*; do
    [[ ! -e $rig/env ]] || "$root/scripts/rig/stop.sh" "$rig" >/dev/null 2>&1 || true
  done
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

# Lists, then runs, the unit tests of preset $1 on the display, their report in the run folder.
# Only through run, whose background shell it changes and then becomes.
unit_tests() {
  # shellcheck source=/dev/null
  source "$display/env"
  # Every dialog test can create its window on this display: one that cannot fails.
  export PIXMODE_REQUIRE_WINDOWS=1
  cd "$rundir"
  local exe=$root/build/$1/pixmode_tests.exe
  timeout --foreground -k 10 60 wine "$exe" --gtest_list_tests >"unit-$1.list"
  exec timeout --foreground -k 10 "${PIXMODE_UNIT_TIMEOUT:-900}" wine "$exe" --gtest_output="json:unit-$1.json"
}

run "$root/scripts/rig/start.sh" "$display" 2>"$rundir/unit-display.log"
for preset in "${presets[@]}"; do
  run unit_tests "$preset" </dev/null >"$rundir/unit-$preset.log" 2>&1 ||
    echo "windows-tests: the unit tests of $preset ended with status $?" >>"$rundir/unit-$preset.log"
done
"$root/scripts/rig/stop.sh" "$display"
rm -rf "$display/wine"

# The workers' displays are made in the run folder, where an interrupt finds them.
export PIXMODE_RIG_PARENT=$rundir/e2e-rigs
mkdir -p "$PIXMODE_RIG_PARENT"
python3 -m pytest "$root/tests/e2e" -q -m wine --collect-only </dev/null >"$rundir/e2e-wine.collected" 2>&1 || true
status=0
run python3 -m pytest "$root/tests/e2e" -q -m wine -n "${PIXMODE_E2E_WORKERS:-3}" --dist loadgroup --junitxml="$rundir/e2e-wine.xml" \
  </dev/null || status=$?
exit "$status"
