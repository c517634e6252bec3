#!/usr/bin/env bash
# Runs the README's test command on Debian 13 (trixie) from a Debian 12 machine: makes a Debian 13
# root once with debootstrap (kept, so later runs reuse it and its installed packages), clones the
# committed state of this checkout into it and runs `bash .ci/run` there, as CI does.
# Run as root. The root is made from the Debian mirror this machine's apt uses.
# Usage: debian13.sh
# Environment: PIXMODE_DEBIAN13_ROOT (default /var/tmp/pixmode-debian13),
# PIXMODE_DEBIAN13_FRESH=1 (clone afresh, without the build folder of the last run)
set -euo pipefail

checkout=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
target=${PIXMODE_DEBIAN13_ROOT:-/var/tmp/pixmode-debian13}
suite=trixie
log() { echo "debian13: $*" >&2; }

if [[ $(id -u) -ne 0 ]]; then
  log "run this as root: debootstrap, mounts and chroot need it"
  exit 1
fi

# The main suite's mirror from apt's deb822 sources, else from a classic sources list.
mirror() {
  local uri
  uri=$(awk -v RS= '/Suites:/ && !/Suites:[^\n]*-security/' /etc/apt/sources.list.d/*.sources 2>/dev/null |
    awk '/^URIs:/ {print $2; exit}')
  [[ -n $uri ]] || uri=$(awk '/^deb / && !/-security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  echo "${uri:-http://deb.debian.org/debian}"
}
main_mirror=$(mirror)
security_mirror=${main_mirror%/debian}/debian-security

if [[ ! -f $target/.pixmode-root-ready ]]; then
  if ! command -v debootstrap >/dev/null; then
    log "installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap </dev/null
  fi
  if grep -q " $target/" /proc/self/mounts; then
    log "something is still mounted under $target; unmount it first"
    exit 1
  fi
  log "making a Debian 13 root in $target from $main_mirror"
  rm -rf "$target"
  debootstrap --variant=minbase --include=ca-certificates "$suite" "$target" "$main_mirror"
  cat >"$target/etc/apt/sources.list.d/debian.sources" <<SOURCES
Types: deb
URIs: $main_mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security_mirror
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  rm -f "$target/etc/apt/sources.list"
  # Packages installed in the root start no services.
  printf '#!/bin/sh\nexit 101\n' >"$target/usr/sbin/policy-rc.d"
  chmod +x "$target/usr/sbin/policy-rc.d"
  touch "$target/.pixmode-root-ready"
fi
cp /etc/resolv.conf "$target/etc/resolv.conf"

mounted=()
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" || umount -l "${mounted[i]}" || log "could not unmount ${mounted[i]}"
  done
}
trap unmount_all EXIT
mount_in() {
  local where=$target$1
  shift
  mkdir -p "$where"
  mount "$@" "$where"
  mounted+=("$where")
}
mount_in /proc -t proc proc
mount_in /sys -t sysfs sysfs
mount_in /dev --bind /dev
mount_in /dev/pts --bind /dev/pts
mount_in /dev/shm -t tmpfs tmpfs
# The host's /tmp, not a fresh one: X servers take their display numbers from the lock files there,
# and their abstract sockets are shared with the host anyway.
mount_in /tmp --bind /tmp

# The clone is made once; later runs take the checkout's last commit into it and remove everything
# else but the build folder, so that they build only what changed.
clone=$target/root/pixmode
commit=$(git -C "$checkout" rev-parse HEAD)
if [[ ${PIXMODE_DEBIAN13_FRESH:-} == 1 || ! -d $clone/.git ]]; then
  log "cloning ${commit:0:12} of $checkout"
  rm -rf "$clone"
  git clone -q --no-local "$checkout" "$clone"
fi
git -C "$clone" fetch -q "$checkout" "$commit"
git -C "$clone" checkout -q --force --detach "$commit"
git -C "$clone" clean -q -f -d -x -e /build

started=$SECONDS
status=0
chroot "$target" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI=true \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash -c 'cd /root/pixmode && bash .ci/run' </dev/null || status=$?
log "the run in Debian 13 took $((SECONDS - started)) s"
exit "$status"
