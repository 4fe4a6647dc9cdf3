#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent: when every package is present it returns without touching apt.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fp-compiler fp-units-base fp-units-rtl
  clang libclang-rt-dev
  xvfb xauth fonts-dejavu-core xdg-utils
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
