#!/usr/bin/env bash
# Installs on this Debian 12 host what building Pixmode and checking the built files need, and
# debootstrap, which makes the Debian 13 root where Wine runs (scripts/root.sh installs what runs
# there, in the root). It adds no architecture, edits no apt source and removes nothing.
# Safe to run again: apt is only called when a package is missing.
# Usage: install-deps.sh
set -euo pipefail

packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest git debootstrap
  # The checks of the built files: layout, resources, imports.
  clang-format libimage-exiftool-perl python3 python3-pytest python3-pytest-xdist
)

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
((${#missing[@]} > 0)) || exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]} (run this script as root to install them)" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq </dev/null
apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
