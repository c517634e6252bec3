#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Pixmode needs.
# Safe to run again: apt is only called when a package is missing.
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest
  wine wine64
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils x11-utils
  openbox imagemagick
  liblnk-utils libimage-exiftool-perl
  python3 python3-pytest
  file procps git clang-format
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg -s "$package" >/dev/null 2>&1; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]} (run this script as root to install them)" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
