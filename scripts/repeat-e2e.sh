#!/usr/bin/env bash
# Runs chosen end-to-end tests COUNT times in a row on one virtual display, in the Debian 13 root,
# and prints each run's outcome and the totals: how steady they are. A run that does not end
# within PIXMODE_REPEAT_TIMEOUT seconds (default 600) is a hang; it is ended with what it started.
# Usage: scripts/repeat-e2e.sh COUNT PYTEST_ARGUMENT...
#   e.g. scripts/repeat-e2e.sh 30 -k "make_sole or extend_attaches" tests/e2e/test_desktop.py
# Environment: PIXMODE_BUILD_DIR (default build/windows-x86, the release, or build/windows-x64 on a
# machine that runs no 32-bit x86 code: scripts/release-runs.sh)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
count=${1:?usage: repeat-e2e.sh COUNT PYTEST_ARGUMENT...}
shift
if [[ -z ${PIXMODE_IN_ROOT:-} ]]; then
  if [[ -z ${PIXMODE_BUILD_DIR:-} ]]; then
    # shellcheck source=release-runs.sh
    source "$root/scripts/release-runs.sh"
    export PIXMODE_BUILD_DIR=$root/build/$runnable_preset
  fi
  exec "$root/scripts/root.sh" run "$0" "$count" "$@"
fi

rundir=$(mktemp -d /tmp/pixmode-repeat.XXXXXX)
trap '"$root/scripts/rig/stop.sh" "$rundir/rig" >/dev/null 2>&1 || true; rm -rf "$rundir/rig/wine"' EXIT
"$root/scripts/rig/start.sh" "$rundir/rig" 2>"$rundir/rig.log"
export PIXMODE_RIG_DIR=$rundir/rig
passed=0 failed=0 hung=0
for ((run = 1; run <= count; run++)); do
  status=0
  setsid timeout -k 10 "${PIXMODE_REPEAT_TIMEOUT:-600}" python3 -m pytest -q -p no:cacheprovider "$@" \
    >"$rundir/run-$run.log" 2>&1 </dev/null || status=$?
  case $status in
    0) passed=$((passed + 1)) outcome=passed ;;
    124 | 137) hung=$((hung + 1)) outcome="HUNG (log kept: $rundir/run-$run.log)" ;;
    *) failed=$((failed + 1)) outcome="FAILED (log kept: $rundir/run-$run.log)" ;;
  esac
  echo "repeat: run $run: $outcome, $(tail -n 1 "$rundir/run-$run.log")"
done
echo "repeat: $count runs: $passed passed, $failed failed, $hung hung"
((failed + hung == 0)) && rm -rf --one-file-system "$rundir/run-"*.log
((failed + hung == 0))
