# Sourced: sets and exports PIXMODE_RELEASE_RUNS to yes where this machine runs 32-bit x86 code
# (the release, under Wine's WoW64 mode), else to no with the reason in release_why, and sets
# runnable_preset to the build whose programs run here (windows-x86, else windows-x64); stops the
# command that sourced it when the probe (scripts/probe-32bit-code.c) cannot answer.
release_runs_probe=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/probe-32bit-code
release_runs_source=$(dirname "${BASH_SOURCE[0]}")/probe-32bit-code.c
if [[ ! -x $release_runs_probe || $release_runs_source -nt $release_runs_probe ]]; then
  mkdir -p "${release_runs_probe%/*}"
  gcc -O1 -o "$release_runs_probe" "$release_runs_source"
fi
release_runs_status=0
release_why=$("$release_runs_probe" 2>&1) || release_runs_status=$?
case $release_runs_status in
  0) PIXMODE_RELEASE_RUNS=yes runnable_preset=windows-x86 release_why= ;;
  1) PIXMODE_RELEASE_RUNS=no runnable_preset=windows-x64 ;;
  *)
    echo "the probe of 32-bit code failed: $release_why" >&2
    return 1 ;;
esac
export PIXMODE_RELEASE_RUNS
