#!/usr/bin/env bash
# Starts the virtual test display and a fresh Wine prefix on it:
#   Xorg (dummy driver, two outputs) -> openbox -> wineboot -> persistent wineserver -> keeper.
# Writes RUNDIR/env (source it to use the rig from a shell) and the pids it needs to stop
# everything again with stop.sh RUNDIR.
#
# Usage: start.sh RUNDIR [DISPLAY_NUMBER]
# Environment:
#   PIXMODE_RIG_DISPLAY  display number to use (default: the first free one from 120 on)
#   PIXMODE_BUILD_DIR    folder holding keeper.exe and e2e-driver.exe (default build/windows-x86,
#                        the release; its helpers must have the bitness of the program under test)
# Runs where Wine runs: inside the Debian 13 root (scripts/root.sh run scripts/rig/start.sh ...).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

rundir=${1:?usage: start.sh RUNDIR [DISPLAY_NUMBER]}
requested_display=${2:-${PIXMODE_RIG_DISPLAY:-}}
build_dir=${PIXMODE_BUILD_DIR:-$root/build/windows-x86}

mkdir -p "$rundir"
rundir=$(cd "$rundir" && pwd)
if [[ -e $rundir/env ]]; then
  echo "start: $rundir already holds a rig; stop it first (stop.sh $rundir)" >&2
  exit 1
fi
for tool in keeper.exe e2e-driver.exe; do
  if [[ ! -f $build_dir/$tool ]]; then
    echo "start: $build_dir/$tool is missing; build the preset of that folder first" >&2
    exit 1
  fi
done

mkdir -p "$rundir/pids" "$rundir/home/.config" "$rundir/xorg.conf.d"
log() { echo "start: $*" >&2; }

# Anything that fails half-way is taken down again.
started=0
cleanup_on_failure() {
  if ((started == 0)); then
    log "failed; stopping what was started (logs in $rundir)"
    touch "$rundir/env"
    "$here/stop.sh" "$rundir" || true
  fi
}
trap cleanup_on_failure EXIT
trap 'log "failed at line $LINENO: $BASH_COMMAND"' ERR

display_free() {
  [[ ! -e /tmp/.X$1-lock && ! -e /tmp/.X11-unix/X$1 ]]
}

# Starts Xorg on display $1; succeeds once the server has told its display number.
start_xorg() {
  local number=$1 ready=$rundir/xorg.displayfd
  : >"$ready"
  Xorg ":$number" -noreset -nolisten tcp \
    -config "$rundir/xorg.conf" -configdir "$rundir/xorg.conf.d" \
    -logfile "$rundir/xorg.log" -displayfd 3 3>"$ready" </dev/null >"$rundir/xorg.out" 2>&1 &
  local pid=$! deadline=$((SECONDS + 60))
  echo "$pid" >"$rundir/pids/xorg"
  while ((SECONDS < deadline)); do
    [[ -s $ready ]] && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$rundir/pids/xorg"
  return 1
}

"$here/write-xorg-conf.sh" "$rundir/xorg.conf"

display_number=
if [[ -n $requested_display ]]; then
  start_xorg "$requested_display" || { log "Xorg could not start on :$requested_display (see $rundir/xorg.log)"; exit 1; }
  display_number=$requested_display
else
  # Another run may take the same number between the check and the start: then try the next.
  for number in $(seq 120 199); do
    display_free "$number" || continue
    if start_xorg "$number"; then
      display_number=$number
      break
    fi
  done
  [[ -n $display_number ]] || { log "no free display number between 120 and 199"; exit 1; }
fi

export DISPLAY=:$display_number
export HOME=$rundir/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_CACHE_HOME=$HOME/.cache
export XDG_DATA_HOME=$HOME/.local/share
export WINEPREFIX=$rundir/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

"$here/add-second-output.sh" 800x600

# A window manager, so that windows maximize, minimize and take the foreground as on Windows.
openbox --sm-disable </dev/null >"$rundir/openbox.log" 2>&1 &
echo $! >"$rundir/pids/openbox"

# The server is made persistent before the first Wine program, so it never ends between runs.
mkdir -p "$WINEPREFIX"
wineserver -p
# Bounded, like every Wine call here: on a loaded machine a first start takes a minute or more.
if ! timeout 300 wine wineboot -i </dev/null >"$rundir/wineboot.log" 2>&1; then
  log "wineboot failed or did not end within 300 s; its log:"
  cat "$rundir/wineboot.log" >&2
  exit 1
fi
# Wine's explorer passes RandR changes on only while it runs, and it ends when no program is
# left; the keeper is that program.
wine "$build_dir/keeper.exe" </dev/null >"$rundir/keeper.log" 2>&1 &
echo $! >"$rundir/pids/keeper"

{
  for name in DISPLAY HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME WINEPREFIX WINEDEBUG WINEDLLOVERRIDES; do
    printf 'export %s=%q\n' "$name" "${!name}"
  done
  printf 'export PIXMODE_RIG_DIR=%q\n' "$rundir"
  printf 'export PIXMODE_BUILD_DIR=%q\n' "$build_dir"
} >"$rundir/env"

# Ready once Windows programs see both outputs.
deadline=$((SECONDS + 120))
while :; do
  timeout 60 wine "$build_dir/e2e-driver.exe" displays </dev/null >"$rundir/displays.jsonl" 2>&1 || true
  (( $(grep -c '"stateFlags"' "$rundir/displays.jsonl") >= 2 )) && break
  if ((SECONDS >= deadline)); then
    log "Wine does not see two display adapters after 120 s; the last answer:"
    cat "$rundir/displays.jsonl" >&2
    exit 1
  fi
  sleep 0.2
done

started=1
log "display $DISPLAY ready; source $rundir/env to use it"
