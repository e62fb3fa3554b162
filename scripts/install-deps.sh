#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (as root); does nothing when all is there.
set -euo pipefail

packages=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
          g++-mingw-w64-i686-posix wine wine32:i386 xvfb imagemagick x11-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: packages are missing and this is not root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
