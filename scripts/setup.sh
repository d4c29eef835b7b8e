#!/usr/bin/env bash
# Installs what building, running and testing need on a fresh Debian machine
# (run as root). Packages already present are left alone.
set -euo pipefail

packages=(
  cmake make git python3
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386
  xvfb xauth x11-utils xdotool imagemagick
  googletest
  fonts-noto-cjk fonts-dejavu-core fonts-liberation fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
fi
