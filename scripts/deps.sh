#!/usr/bin/env bash
# Installs the Debian packages that are missing for what is asked: "run" (build and start the
# editor), "test" (build and run every test, check the formatting, fuzz) and "tools" (redraw the
# built-in pictures). Without an argument: run and test.
set -euo pipefail

RUN=(cmake g++ make qt6-base-dev qt6-qpa-plugins fonts-dejavu-core fonts-liberation)
# clang-format-14 is the formatter the format check runs; clang and its runtime build the fuzzers.
TEST=(clang-format-14 clang libclang-rt-14-dev xvfb xauth xdotool imagemagick desktop-file-utils
  appstream shared-mime-info)
TOOLS=(libgif-dev)

[ $# -eq 0 ] && set -- run test
wanted=()
for set_name in "$@"; do
  case "$set_name" in
    run) wanted+=("${RUN[@]}") ;;
    test) wanted+=("${RUN[@]}" "${TEST[@]}") ;;
    tools) wanted+=("${RUN[@]}" "${TOOLS[@]}") ;;
    *) echo "usage: $0 [run|test|tools]..." >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${wanted[@]}" | sort -u); do
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
