#!/usr/bin/env bash
# Stops everything start.sh started for RUNDIR, by pid: the keeper, the Wine server and any Wine
# process of the run's own prefix, openbox and Xorg. Leaves the folder (logs) in place.
# Usage: stop.sh RUNDIR
set -euo pipefail

rundir=${1:?usage: stop.sh RUNDIR}
rundir=$(cd "$rundir" && pwd)
pids=$rundir/pids

# Ends pid $1 if it is still the program named $2 (the pid may have been reused since).
end_pid() {
  local pid=$1 program=$2
  [[ -r /proc/$pid/cmdline ]] || return 0
  tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q -- "$program" || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
}

end_pid_file() {
  local file=$pids/$1
  [[ -f $file ]] || return 0
  end_pid "$(cat "$file")" "$2"
  rm -f "$file"
}

# Wine processes of this run's prefix only: found by the WINEPREFIX in their environment.
end_prefix_processes() {
  local prefix=$1 entry pid
  for entry in /proc/[0-9]*; do
    pid=${entry#/proc/}
    [[ $(readlink "$entry/exe" 2>/dev/null) == /usr/lib/wine/* ]] || continue
    tr '\0' '\n' <"$entry/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" || continue
    kill -KILL "$pid" 2>/dev/null || true
  done
}

end_pid_file keeper keeper.exe

prefix=$rundir/wine
if [[ -d $prefix ]]; then
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  WINEPREFIX=$prefix timeout 10 wineserver -w 2>/dev/null || true
  end_prefix_processes "$prefix"
fi

end_pid_file openbox openbox
end_pid_file xorg Xorg
rm -f "$rundir/env"
