#!/usr/bin/env bash
# Installs the Debian 12 (or 13) packages that building and testing Pixmode needs, 32-bit Wine included
# (the release is a 32-bit program) where the host runs 32-bit programs (scripts/host.sh); with
# the argument "build", only what building needs.
# Safe to run again: apt is only called when a package is missing, so on a ready machine this
# does nothing.
# Usage: install-deps.sh [build]
set -euo pipefail

# shellcheck source=host.sh
source "$(dirname "${BASH_SOURCE[0]}")/host.sh"

build_packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest git
)
packages=(
  "${build_packages[@]}"
  wine wine64
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils x11-utils
  openbox imagemagick
  libimage-exiftool-perl
  python3 python3-pytest python3-pytest-xdist
  procps clang-format
)
# 32-bit Wine, and the X extension libraries it only recommends: without them a 32-bit program
# sees just the current display mode and every change is refused.
packages_i386=(
  wine32 libxrandr2 libxinerama1 libxcursor1 libxi6 libxcomposite1 libxxf86vm1 libxrender1 libxfixes3
)

log() { echo "install-deps: $*"; }

if [[ ${1:-} == build ]]; then
  packages=("${build_packages[@]}")
  packages_i386=()
elif [[ $PIXMODE_HOST_32BIT == no ]]; then
  # No architecture added, no apt source changed: 32-bit Wine could not start here anyway.
  packages_i386=()
fi

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
missing_i386=()
for package in "${packages_i386[@]}"; do
  dpkg -s "$package:i386" >/dev/null 2>&1 || missing_i386+=("$package:i386")
done

if ((${#missing[@]} + ${#missing_i386[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]} ${missing_i386[*]} (run this script as root to install them)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt_install() { apt-get install -y -qq --no-install-recommends "$@" </dev/null; }
# A suite whose index fails to download is ignored by apt; whether that matters shows at install.
apt_update() { apt-get update -qq </dev/null || log "apt-get update reported a failed download (see above)"; }

if ((${#missing[@]} > 0)); then
  if [[ ${1:-} != build && $PIXMODE_HOST_32BIT == no ]]; then
    log "no 32-bit Wine on this host: $PIXMODE_HOST_WHY"
  fi
  log "installing ${missing[*]}"
  apt_update
  apt_install "${missing[@]}"
fi

if ((${#missing_i386[@]} == 0)); then
  exit 0
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  log "adding the i386 architecture to dpkg"
  dpkg --add-architecture i386
fi
apt_update
log "installing ${missing_i386[*]}"
if apt_install "${missing_i386[@]}"; then
  exit 0
fi
log "the plain install was refused; installing with the libraries Wine shares between architectures set to one version"

# The plain install was refused. Seen on Debian 12: the security suite's i386 index fails to
# download, so the i386 libraries come from the main suite at other versions than the installed
# amd64 ones, and a "Multi-Arch: same" package must have one version for both architectures.
# Take i386 packages from the main suite only, and give each such package of Wine's dependency
# closure that is installed for amd64 the i386 version on both architectures.
sources=/etc/apt/sources.list.d/debian.sources
if [[ -f $sources ]] && ! awk -v RS= '/Suites:[^\n]*-security/ && /Architectures:/ {found = 1} END {exit !found}' "$sources"; then
  log "limiting the security suite in $sources to amd64 (its i386 index does not match the main suite)"
  awk -v RS= -v ORS='\n\n' '/Suites:[^\n]*-security/ && !/Architectures:/ {$0 = $0 "\nArchitectures: amd64"} {print}' \
    "$sources" >"$sources.new"
  mv "$sources.new" "$sources"
  apt_update
fi

closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${missing_i386[@]}" 2>/dev/null | grep -v '^ ' | grep ':i386$' | sort -u)
pins=()
# shellcheck disable=SC2086
while read -r name version multiarch; do
  [[ $multiarch == same ]] || continue
  installed=$(dpkg-query -W -f='${Status} ${Version}' "$name:amd64" 2>/dev/null || true)
  [[ $installed == "install ok installed "* ]] || continue
  if [[ ${installed##* } != "$version" ]]; then
    log "$name: amd64 ${installed##* } -> $version, the i386 version"
  fi
  pins+=("$name:amd64=$version" "$name:i386=$version")
done < <(apt-cache show --no-all-versions $closure 2>/dev/null | awk '
  /^Package:/ {if (name != "") print name, version, multiarch; name = $2; version = ""; multiarch = "no"}
  /^Version:/ {version = $2}
  /^Multi-Arch:/ {multiarch = $2}
  END {if (name != "") print name, version, multiarch}')

plan=$(apt-get install -s -y --no-install-recommends --allow-downgrades "${missing_i386[@]}" "${pins[@]}" </dev/null || true)
while read -r removed; do
  log "removing $removed: it depends on an exact version of a library set to the i386 version"
done < <(awk '/^Remv/ {print $2}' <<<"$plan")
apt_install --allow-downgrades "${missing_i386[@]}" "${pins[@]}"
