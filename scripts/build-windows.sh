#!/usr/bin/env bash
# Builds the 64-bit Windows program and its installer with MinGW-w64 and NSIS, from any
# folder:
#   scripts/build-windows.sh OUTDIR [BUILDDIR]
# writes OUTDIR/central-polygon.exe (the window program), OUTDIR/central-polygon.com (the
# console program cmd finds first), OUTDIR/central-polygon-report.dll (the PDF writer and
# the printers they load at the first page) and OUTDIR/central-polygon-setup.exe. They are
# linked statically: they need only the DLLs every Windows 10 and 11 has. BUILDDIR is the
# MinGW build folder, build-windows-release in the source tree by default (configured as
# Release); one already configured is built as it is, so the test suite builds its
# installer through this script from its own build.
set -euo pipefail
out=$(realpath -m "${1:?usage: scripts/build-windows.sh OUTDIR [BUILDDIR]}")
build=$(realpath -m "${2:-$(dirname "$0")/../build-windows-release}")
source_dir=$(realpath "$(dirname "$0")/..")
"$source_dir/scripts/install-missing.sh" cmake make g++-mingw-w64-x86-64-posix nsis
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$source_dir" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" \
    -DCP_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Release --no-warn-unused-cli >/dev/null
fi
cmake --build "$build" -j2 --target central-polygon central-polygon-console central-polygon-report
mkdir -p "$out"
x86_64-w64-mingw32-strip -o "$out/central-polygon.exe" "$build/win32/central-polygon.exe"
x86_64-w64-mingw32-strip -o "$out/central-polygon.com" "$build/win32/central-polygon.com"
x86_64-w64-mingw32-strip -o "$out/central-polygon-report.dll" "$build/win32/central-polygon-report.dll"
version=$(sed -n 's/^project(central_polygon VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
# makensis runs in the script's folder: every path it is given is absolute.
makensis -V2 -DVERSION="$version" -DPROGRAM="$out/central-polygon.exe" -DCONSOLE="$out/central-polygon.com" \
  -DMODULE="$out/central-polygon-report.dll" \
  -DOUTFILE="$out/central-polygon-setup.exe" "$source_dir/win32/installer.nsi"
echo "built $out/central-polygon.exe, $out/central-polygon.com, $out/central-polygon-report.dll" \
  "and $out/central-polygon-setup.exe"
