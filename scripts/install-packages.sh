#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need, but only those
# that are missing, so a second run costs nothing. Usage: install-packages.sh [bench] [fuzz]
# (the benchmarks and the fuzz targets need a few more).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgtest-dev libjpeg-dev
  fonts-liberation locales
  xvfb xauth x11-utils libx11-dev imagemagick
)
for group in "$@"; do
  case "$group" in
    bench) packages+=(libbenchmark-dev) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "unknown package group: $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

echo "Installing missing packages: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
