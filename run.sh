#!/usr/bin/env bash
# Installs what is missing, builds a Release build into build-release/ and starts the window.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-missing.sh cmake g++ make libgtest-dev qt6-base-dev fonts-noto-cjk \
  qt6-translations-l10n libcups2-dev libpango1.0-dev libcairo2-dev pkg-config

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j2 --target central-polygon
exec ./build-release/qt/central-polygon "$@"
