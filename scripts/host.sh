# Sourced by every script that installs, starts or measures Wine: whether this host runs 32-bit
# x86 Linux programs, asked once per command (the answer is exported, so the scripts a command
# starts read it instead of asking again).
#
# The release is a 32-bit Windows program, and Debian's Wine runs one only through its 32-bit
# loader, itself a 32-bit Linux program. Some kernels refuse those; others run them only through
# an emulator (qemu-user through binfmt_misc), far too slow and unreliable for Wine. On such a
# host nothing 32-bit is installed or run: the release is built and checked without running it,
# and the 64-bit build is the program under test.
#
# Only the kernel's refusal (Exec format error) or the probe's own report of an emulator mean
# "no". Anything else that keeps the probe from answering stops the command that sourced this
# (non-zero status, the cause on standard error): guessing "no" there would quietly test the
# 64-bit build instead of the release.
#
# Exports:
#   PIXMODE_HOST_32BIT  yes or no; a value inherited from the environment is kept, and anything
#                       but yes or no stops the command
#   PIXMODE_HOST_WHY    why not (empty when yes)
#   WINELOADER          when no: Wine's 64-bit loader. Debian's `wine` picks the 32-bit loader
#                       whenever wine32:i386 is installed, so everything that starts a Windows
#                       program runs "${WINELOADER:-wine}".
# Sets: runnable_preset, the preset whose programs run here (windows-x86, the release, or windows-x64).
# Setting: PIXMODE_32BIT=off makes a host that runs 32-bit programs take the 64-bit path; it wins
# over an inherited PIXMODE_HOST_32BIT.

# Writes the probe to file $1: a complete 32-bit x86 Linux program, so the answer needs no i386
# package and is not fooled by one being installed. It asks the kernel for the machine's name
# (uname) and ends with status 32 when that is x86_64, else 33. A native 32-bit process on an
# x86_64 kernel sees x86_64; an emulator answers with the machine it emulates (qemu: i686), which
# tells an emulator apart without /proc/sys/fs/binfmt_misc, often not mounted in a container.
# (A shell started under `linux32`, which makes every program see i686, reads as an emulator too.)
pixmode_probe_write() {
  printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0T\x80\x04\x084\0\0\0\0\0\0\0\0\0'\
'\0\x004\0 \0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x8e\0\0\0\x8e\0'\
'\0\0\x05\0\0\0\0\x10\0\0\x81\xec\x90\x01\0\0\x89\xe3\xb8z\0\0\0\xcd\x80\xbb!\0\0\0\x81\xbc$'\
'\x04\x01\0\0x86_u\x12\x81\xbc$\x08\x01\0\x0064\0\0u\x05\xbb \0\0\0\xb8\x01\0\0\0\xcd\x80' >"$1"
}

# Runs the probe $1; prints what the shell reported (in English, whatever the locale).
pixmode_probe_run() {
  (export LC_ALL=C; "$1" 2>&1)
}

# Sets PIXMODE_HOST_32BIT and PIXMODE_HOST_WHY from the probe, run in the first folder that lets a
# program run: a noexec mount refuses every program (Permission denied), whatever its format.
pixmode_host_check() {
  local folder probe status report tried=()
  local folders=("${TMPDIR:-}" /tmp /dev/shm /var/tmp "$(dirname "${BASH_SOURCE[0]}")/../build")
  for folder in "${folders[@]}"; do
    [[ -n $folder ]] || continue
    if ! probe=$({ mkdir -p "$folder" && mktemp "$folder/pixmode-probe.XXXXXX"; } 2>/dev/null); then
      tried+=("$folder (cannot write there)")
      continue
    fi
    status=0 report=
    # Explicit modes: chmod +x would follow the umask, and 0177 drops the execute bit.
    if pixmode_probe_write "$probe" 2>/dev/null && chmod 700 "$probe"; then
      report=$(pixmode_probe_run "$probe") || status=$?
    else
      status=unwritten report=": the program could not be written"
    fi
    rm -f "$probe"
    case $status:$report in
      32:*)
        PIXMODE_HOST_32BIT=yes PIXMODE_HOST_WHY=
        return ;;
      33:*)
        PIXMODE_HOST_32BIT=no
        PIXMODE_HOST_WHY="32-bit x86 programs run here only through an emulator (a 32-bit program does not see an x86_64 machine)"
        return ;;
      126:*"Exec format error"*)
        PIXMODE_HOST_32BIT=no PIXMODE_HOST_WHY="the kernel refuses 32-bit x86 programs (Exec format error)"
        return ;;
      126:*"Permission denied"* | unwritten:*)
        tried+=("$folder (${report##*: })") ;;
      *)
        echo "host.sh: the 32-bit test program $probe failed in a way that does not answer whether this host runs 32-bit programs: status $status${report:+, $report}" >&2
        return 1 ;;
    esac
  done
  echo "host.sh: no folder lets the 32-bit test program run: ${tried[*]}; set TMPDIR to a folder that allows programs" >&2
  return 1
}

# The answer: inherited, checked, and PIXMODE_32BIT=off over both.
pixmode_host_answer() {
  case ${PIXMODE_HOST_32BIT:-} in
    yes | no) ;;
    '') pixmode_host_check || return 1 ;;
    *)
      echo "host.sh: PIXMODE_HOST_32BIT is '$PIXMODE_HOST_32BIT'; it takes only yes or no (unset it to have this host checked)" >&2
      return 1 ;;
  esac
  case ${PIXMODE_32BIT:-} in
    '') ;;
    off) PIXMODE_HOST_32BIT=no PIXMODE_HOST_WHY="PIXMODE_32BIT=off is set" ;;
    *)
      echo "host.sh: PIXMODE_32BIT is '$PIXMODE_32BIT'; it takes only off" >&2
      return 1 ;;
  esac
}

pixmode_host_answer || return 1
PIXMODE_HOST_WHY=${PIXMODE_HOST_WHY:-}
export PIXMODE_HOST_32BIT PIXMODE_HOST_WHY
runnable_preset=windows-x86
if [[ $PIXMODE_HOST_32BIT == no ]]; then
  runnable_preset=windows-x64
  export WINELOADER=/usr/lib/wine/wine64
fi
