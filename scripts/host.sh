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
# Exports:
#   PIXMODE_HOST_32BIT  yes or no
#   PIXMODE_HOST_WHY    why not (empty when yes)
#   WINELOADER          when no: Wine's 64-bit loader. Debian's `wine` picks the 32-bit loader
#                       whenever wine32:i386 is installed, so everything that starts a Windows
#                       program runs "${WINELOADER:-wine}".
# Sets: runnable_preset, the preset whose programs run here (windows-x86, the release, or windows-x64).
# Setting: PIXMODE_32BIT=off makes a host that runs 32-bit programs take the 64-bit path.

pixmode_host_check() {
  if [[ ${PIXMODE_32BIT:-} == off ]]; then
    PIXMODE_HOST_32BIT=no
    PIXMODE_HOST_WHY="PIXMODE_32BIT=off is set"
    return
  fi
  # A complete 32-bit x86 Linux program (96 bytes: exit with status 32 through int 0x80), so the
  # answer needs no i386 package and is not fooled by one being installed.
  local probe status=0 refusal
  probe=$(mktemp "${TMPDIR:-/tmp}/pixmode-probe.XXXXXX")
  printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0'\
'\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08'\
'\x60\0\0\0\x60\0\0\0\x05\0\0\0\0\x10\0\0\xbb\x20\0\0\0\xb8\x01\0\0\0\xcd\x80' >"$probe"
  chmod +x "$probe"
  refusal=$("$probe" 2>&1) || status=$?
  refusal=${refusal:-it ended with status $status}
  rm -f "$probe"
  if ((status != 32)); then
    PIXMODE_HOST_32BIT=no
    PIXMODE_HOST_WHY="a 32-bit x86 test program could not run: ${refusal##*: }"
    return
  fi
  # An enabled binfmt_misc entry for 32-bit x86 programs sends every one of them to an emulator.
  local entry
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [[ -f $entry ]] && grep -qx enabled "$entry" 2>/dev/null &&
      grep -q '^magic 7f454c4601010100000000000000000002000300' "$entry" || continue
    PIXMODE_HOST_32BIT=no
    PIXMODE_HOST_WHY="32-bit x86 programs run only through an emulator ($(sed -n 's/^interpreter //p' "$entry"))"
    return
  done
  PIXMODE_HOST_32BIT=yes
  PIXMODE_HOST_WHY=
}

if [[ -z ${PIXMODE_HOST_32BIT:-} ]]; then
  pixmode_host_check
fi
export PIXMODE_HOST_32BIT PIXMODE_HOST_WHY
runnable_preset=windows-x86
if [[ $PIXMODE_HOST_32BIT == no ]]; then
  runnable_preset=windows-x64
  export WINELOADER=/usr/lib/wine/wine64
fi
