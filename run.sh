#!/usr/bin/env bash
# Installs what is missing, builds a Release build into build-release/ and starts the window.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make libgtest-dev qt6-base-dev fonts-noto-cjk)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j2 --target central-polygon
exec ./build-release/window/central-polygon "$@"
