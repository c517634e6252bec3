#!/usr/bin/env bash
# The Debian 13 root where Windows programs run: Debian 13's Wine 10 in its WoW64 mode, which
# runs the 32-bit release inside 64-bit processes as 64-bit Windows does, so no host needs to run
# 32-bit Linux programs. The build stays on the host; the checkout is seen inside the root at the
# same path.
#
# Usage: root.sh make           make the root, or bring it up to date
#        root.sh run COMMAND...  run COMMAND in it (made or updated first), as root
#
# The root is made once with debootstrap from the Debian mirror the host's apt uses, kept and
# reused. It is brought up to date when its recipe below changes or its package lists are a week
# old. Its folder holds a mark file; a folder without one is never written to nor removed.
# Every mount lives in a private mount namespace of the command, so none outlives it, however it
# ends, and none covers anything of the host.
#
# Settings: PIXMODE_ROOT (default /var/tmp/pixmode-debian13), the root's folder.
# Only PIXMODE_*, CI, DISPLAY and XAUTHORITY reach COMMAND from the environment; PIXMODE_IN_ROOT=1
# tells it where it runs.
set -euo pipefail

checkout=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
target=${PIXMODE_ROOT:-/var/tmp/pixmode-debian13}
suite=trixie
packages=(
  wine wine64 libwine
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils x11-utils openbox imagemagick
  python3 python3-pytest python3-pytest-xdist procps
)
# Changing anything above, or the steps of make_root, changes the recipe.
recipe="$suite ${packages[*]} i386-windows-1"
mark=.pixmode-root

log() { echo "root: $*" >&2; }
fail() {
  log "$*"
  exit 1
}

[[ $(id -u) -eq 0 ]] || fail "run this as root: debootstrap, mounts and chroot need it"
[[ $target == /* ]] || fail "PIXMODE_ROOT must be an absolute path, not '$target'"
target=$(realpath -m "$target")
case $target in
  / | /bin | /boot | /dev | /etc | /home | /lib* | /media | /mnt | /opt | /proc | /root | /run | /sbin | /srv | \
    /sys | /tmp | /usr | /var | /var/tmp | /work)
    fail "PIXMODE_ROOT is $target: a system folder is never used for the root; name a folder of its own" ;;
esac

# The main suite's mirror from apt's deb822 sources, else from a classic sources list.
mirror() {
  local uri
  uri=$(awk -v RS= '/Suites:/ && !/Suites:[^\n]*-security/' /etc/apt/sources.list.d/*.sources 2>/dev/null |
    awk '/^URIs:/ {print $2; exit}')
  [[ -n $uri ]] || uri=$(awk '/^deb / && !/-security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  echo "${uri:-http://deb.debian.org/debian}"
}

# Fails if anything is mounted at or under the root's folder (a mount of another namespace is
# not seen here, and cannot be removed through this one either).
nothing_mounted() {
  ! findmnt -rn -o TARGET | awk -v t="$target" '$0 == t || index($0, t "/") == 1 {found = 1} END {exit !found}'
}

# Removes the root's folder: only one that holds the mark, nothing mounted under it, and never
# across a file-system boundary.
remove_root() {
  [[ -f $target/$mark ]] || fail "$target holds no $mark: it was not made here and is left alone"
  nothing_mounted || fail "something is mounted under $target; it is left alone"
  rm -rf --one-file-system "$target"
}

# Makes the root from scratch: debootstrap, then the first update does the rest.
bootstrap() {
  local main_mirror=$1
  if [[ -e $target ]]; then
    if [[ -f $target/$mark ]]; then
      remove_root
    elif [[ -n $(ls -A "$target") ]]; then
      fail "$target exists, is not empty and holds no $mark; choose another PIXMODE_ROOT"
    fi
  fi
  log "making a Debian 13 root in $target from $main_mirror"
  mkdir -p "$target"
  echo "making" >"$target/$mark"
  debootstrap --variant=minbase --include=ca-certificates "$suite" "$target" "$main_mirror" >"$target.debootstrap.log" 2>&1 ||
    fail "debootstrap failed; its log: $target.debootstrap.log"
  rm -f "$target.debootstrap.log"
  cat >"$target/etc/apt/sources.list.d/debian.sources" <<SOURCES
Types: deb
URIs: $main_mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: ${main_mirror%/debian}/debian-security
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  rm -f "$target/etc/apt/sources.list"
  # Packages installed in the root start no services.
  printf '#!/bin/sh\nexit 101\n' >"$target/usr/sbin/policy-rc.d"
  chmod 755 "$target/usr/sbin/policy-rc.d"
  # The i386 package lists serve only to fetch Wine's 32-bit Windows DLLs (see update_root).
  chroot "$target" dpkg --add-architecture i386
  echo "bootstrapped" >"$target/$mark"
}

# Runs "$@" inside the root in this command's private mount namespace: the root sees the host's
# devices and /tmp (X servers of both then see each other's display numbers) and the checkout at
# its own path; its /proc, /sys and /dev/shm are its own.
# shellcheck disable=SC2016
inside_script='
set -euo pipefail
target=$1 checkout=$2
shift 2
mount -t proc proc "$target/proc"
mount -t sysfs sysfs "$target/sys"
mount --bind /dev "$target/dev"
mount --bind /dev/pts "$target/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$target/dev/shm"
mount --bind /tmp "$target/tmp"
if [[ $(stat -c %d:%i "$checkout") != $(stat -c %d:%i "$target$checkout" 2>/dev/null) ]]; then
  mkdir -p "$target$checkout"
  mount --bind "$checkout" "$target$checkout"
fi
cp /etc/resolv.conf "$target/etc/resolv.conf"
passed=()
while IFS="=" read -r -d "" name value; do
  case $name in PIXMODE_* | CI | DISPLAY | XAUTHORITY) passed+=("$name=$value") ;; esac
done < <(env -0)
# The command starts in the current folder where the root has it (the checkout, /tmp), else in /.
here=/
[[ ! -d $target$PWD ]] || here=$PWD
exec chroot "$target" /usr/bin/env -i -C "$here" HOME=/root LANG=C.UTF-8 PIXMODE_IN_ROOT=1 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "${passed[@]}" "$@"'
inside() {
  unshare --mount --propagation private -- /bin/bash -c "$inside_script" inside "$target" "$checkout" "$@"
}

# The 64-bit Wine runs 32-bit programs in WoW64 mode once it finds the 32-bit Windows DLLs of
# exactly its own version beside its 64-bit ones; Debian ships those only in libwine:i386, which
# is unpacked, not installed (it would bring the 32-bit loader and libraries along).
place_i386_windows_dlls() {
  inside /bin/bash -c '
    set -euo pipefail
    version=$(dpkg-query -W -f="\${Version}" libwine)
    record=/var/lib/pixmode/i386-windows.version
    [[ $(cat "$record" 2>/dev/null) != "$version" ]] || exit 0
    work=$(mktemp -d /var/cache/pixmode-libwine.XXXXXX)
    chmod 755 "$work"
    cd "$work"
    apt-get download -qq "libwine:i386=$version"
    dpkg-deb -x libwine_*_i386.deb unpacked
    into=/usr/lib/x86_64-linux-gnu/wine/i386-windows
    mkdir -p "$into"
    cp -a unpacked/usr/lib/i386-linux-gnu/wine/i386-windows/. "$into/"
    cd /
    rm -rf "$work"
    mkdir -p "${record%/*}"
    echo "$version" >"$record"
    echo "root: placed the 32-bit Windows DLLs of Wine $version" >&2'
}

# Installs the recipe's packages, upgrades what is a week old, and places the 32-bit DLLs.
update_root() {
  log "bringing $target up to date"
  inside /bin/bash -c '
    set -euo pipefail
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get -y -qq upgrade
    apt-get install -y -qq --no-install-recommends "$@"
    apt-get clean' root "${packages[@]}" </dev/null >"$target.update.log" 2>&1 ||
    fail "updating the root failed; its log: $target.update.log"
  rm -f "$target.update.log"
  place_i386_windows_dlls
  echo "$recipe" >"$target/$mark"
}

make_root() {
  if ! command -v debootstrap >/dev/null; then
    fail "debootstrap is missing; scripts/install-deps.sh installs it"
  fi
  # One command at a time makes or updates a root; others wait for it.
  exec 9>"$target.lock"
  flock 9
  local state
  state=$(cat "$target/$mark" 2>/dev/null || true)
  case $state in
    "$recipe")
      # Brought up to date over a week ago (the mark is written last): security updates may wait.
      if [[ -z $(find "$target/$mark" -mtime -7 -print) ]]; then
        update_root
      fi ;;
    bootstrapped | "$suite "*) update_root ;;
    *)
      bootstrap "$(mirror)"
      update_root ;;
  esac
  exec 9>&-
}

case ${1:-} in
  make)
    make_root ;;
  run)
    shift
    (($# > 0)) || fail "usage: root.sh run COMMAND..."
    make_root
    inside "$@" ;;
  *)
    fail "usage: root.sh make | root.sh run COMMAND..." ;;
esac
