#!/usr/bin/env bash
# Installs the Debian packages the editor needs to build, run and test; only the missing ones.
set -euo pipefail

PACKAGES=(
  cmake g++ make
  qt6-base-dev
  libgif-dev
  fonts-dejavu-core fonts-liberation
  clang libclang-rt-14-dev
  xvfb xauth xdotool
  desktop-file-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "Please run as root or install sudo: ${missing[*]}" >&2; exit 1; }
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
