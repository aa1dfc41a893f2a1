#!/usr/bin/env bash
# Builds the 64-bit Windows program and its installer with MinGW-w64 and NSIS:
#   scripts/build-windows.sh OUTDIR
# writes OUTDIR/central-polygon.exe (the window program), OUTDIR/central-polygon.com (the
# console program cmd finds first) and OUTDIR/central-polygon-setup.exe. The programs are
# linked statically: they need only the DLLs every Windows 10 and 11 has.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?usage: scripts/build-windows.sh OUTDIR}")
scripts/install-missing.sh cmake make g++-mingw-w64-x86-64-posix nsis
build=build-windows-release
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCP_WITH_QT=OFF \
  -DCMAKE_BUILD_TYPE=Release --no-warn-unused-cli >/dev/null
cmake --build "$build" -j2 --target central-polygon central-polygon-console
mkdir -p "$out"
x86_64-w64-mingw32-strip -o "$out/central-polygon.exe" "$build/win32/central-polygon.exe"
x86_64-w64-mingw32-strip -o "$out/central-polygon.com" "$build/win32/central-polygon.com"
version=$(sed -n 's/^project(central_polygon VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
makensis -V2 -DVERSION="$version" -DPROGRAM="$out/central-polygon.exe" -DCONSOLE="$out/central-polygon.com" \
  -DOUTFILE="$out/central-polygon-setup.exe" win32/installer.nsi
echo "built $out/central-polygon.exe, $out/central-polygon.com and $out/central-polygon-setup.exe"
