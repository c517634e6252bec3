#!/usr/bin/env bash
# Builds both presets, starts the virtual display and prints the benchmark figures:
#   (a) the command-line switch against a minimal program making the same change call, and against
#       that program with Pixmode's imports and manifest,
#   (b) the main dialog ready with its mode list against a minimal dialog with an empty list, and
#       against the floor, a program making the same platform calls with none of the program's logic,
#   (c) the mode list's refill and sort over 10,000 scripted modes, in milliseconds,
#   (d) the size of both executables and the DLLs they import.
# It measures the 32-bit release, under Wine 10's WoW64 mode in the Debian 13 root (scripts/root.sh),
# or the 64-bit build on a machine that runs no 32-bit x86 code (scripts/release-runs.sh), and says which.
# Usage: bench/run.sh [RUNS]   (default 21 runs of (a) and (b) per program)
# Environment: PIXMODE_RIG_DIR reuses a running virtual display (scripts/rig/start.sh) instead of
# starting one for the run.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${1:-21}


# On the host: build, measure (a) to (c) in the root, where Wine runs, then (d) here.
if [[ -z ${PIXMODE_IN_ROOT:-} ]]; then
  # shellcheck source=../scripts/release-runs.sh
  source "$root/scripts/release-runs.sh"
  export PIXMODE_BUILD_DIR=$root/build/$runnable_preset
  if [[ $PIXMODE_RELEASE_RUNS == no ]]; then
    echo "bench: measuring build/windows-x64, not the 32-bit release: $release_why"
  fi
  # Only what it measures: the programs, the updater the dialog starts, the benchmark programs and
  # the virtual display's tools.
  "$root/scripts/build.sh" windows-x86:pixmode,marrowick,benchmarks,keeper,e2e-driver \
    windows-x64:pixmode,marrowick,benchmarks,keeper,e2e-driver
  "$root/scripts/root.sh" run "$0" "$runs"
  # (d) Sizes and imports. Allowed: the DLLs Windows always takes from its system folder, and the
  # common controls that the manifest binds.
  system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|ole32|oleaut32|advapi32|msvcrt)\.dll$'
  for preset in windows-x86 windows-x64; do
    exe=$root/build/$preset/pixmode.exe
    size=$(stat -c %s "$exe")
    dlls=$(objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
    others=$(for dll in $dlls; do [[ $dll =~ $system_dlls ]] || echo -n "$dll "; done)
    printf '(d) %s pixmode.exe: %d bytes (%d KB); imports: %s; others: %s\n' \
      "$preset" "$size" $(((size + 1023) / 1024)) "$dlls" "${others:-none}"
  done
  exit 0
fi

# In the root: the build the host chose.
build=$PIXMODE_BUILD_DIR
if [[ -n ${PIXMODE_RIG_DIR:-} ]]; then
  rundir=$PIXMODE_RIG_DIR
else
  rundir=$(mktemp -d /tmp/pixmode-bench.XXXXXX)
  finish() {
    "$root/scripts/rig/stop.sh" "$rundir" >/dev/null 2>&1 || true
    rm -rf "$rundir"
  }
  trap finish EXIT
  "$root/scripts/rig/start.sh" "$rundir" >/dev/null
fi

(
  # shellcheck source=/dev/null
  source "$rundir/env"
  cd "$rundir"
  wine=wine
  "$wine" "$build/bench/bench_runner.exe" switch "$runs" "$("$wine" winepath -w "$build/pixmode.exe")" \
    "$("$wine" winepath -w "$build/bench/minimal_switch.exe")" </dev/null
  # ... and against the same in a program with Pixmode's imports and manifest: loading, not work.
  "$wine" "$build/bench/bench_runner.exe" switch "$runs" "$("$wine" winepath -w "$build/pixmode.exe")" \
    "$("$wine" winepath -w "$build/bench/minimal_switch_imports.exe")" </dev/null
  "$wine" "$build/bench/bench_runner.exe" dialog "$runs" "$("$wine" winepath -w "$build/pixmode.exe")" \
    "$("$wine" winepath -w "$build/bench/minimal_dialog.exe")" </dev/null
  # The same start against the main dialog's own template shown empty: the program's own share.
  "$wine" "$build/bench/bench_runner.exe" dialog "$runs" "$("$wine" winepath -w "$build/pixmode.exe")" \
    "$("$wine" winepath -w "$build/bench/minimal_dialog.exe")" template </dev/null
  # ... and against that template in a program loading the same libraries.
  "$wine" "$build/bench/bench_runner.exe" dialog "$runs" "$("$wine" winepath -w "$build/pixmode.exe")" \
    "$("$wine" winepath -w "$build/bench/minimal_dialog_imports.exe")" template </dev/null
  # ... and against the floor: that template making every platform call of the program's start.
  "$wine" "$build/bench/bench_runner.exe" floor "$runs" "$("$wine" winepath -w "$build/pixmode.exe")" \
    "$("$wine" winepath -w "$build/bench/main_dialog_floor.exe")" </dev/null
  "$wine" "$build/bench/bench_mode_list.exe" </dev/null
) 2>&1 | tr -d '\r' | grep -v '^[0-9a-f]*:\(fixme\|err\|warn\):'

