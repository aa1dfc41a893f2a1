#!/usr/bin/env bash
# Installs what is missing, builds everything into build/ and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-missing.sh cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev fonts-noto-cjk \
  poppler-utils clang-format qt6-translations-l10n libcups2-dev cups appstream dpkg-dev \
  libpango1.0-dev libcairo2-dev pkg-config python3 python3-ezdxf python3-numpy libxml2-utils \
  g++-mingw-w64-x86-64-posix wine64 wine fonts-wqy-microhei xvfb xauth xdotool x11-apps nsis \
  libreoffice-calc-nogui time tesseract-ocr tesseract-ocr-chi-sim fonts-droid-fallback fonts-dejavu-core xclip

# One layout for the whole tree.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# GNU Gama's gama-local, built from the source beside the project, reads every exported
# Gama file in the suite.
export GAMA_LOCAL
GAMA_LOCAL=$(../shared/third_party/build-gama-local.sh "$PWD/build-gama")

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCP_WARNINGS_AS_ERRORS=ON \
  -DGAMA_LOCAL="$GAMA_LOCAL"
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

# The Debian package, built and checked as a survey office would install it.
cmake --build build --target package
tests/package_test.sh build/central-polygon_*_amd64.deb tests/golden

# The same suite, without the window, under AddressSanitizer and UndefinedBehaviorSanitizer,
# the command-line program's batch runs, sheets, exports and PDF included: any report
# aborts its test. The font libraries' one-time caches are the only leaks let pass.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCP_SANITIZE=ON -DCP_WITH_QT=OFF \
  -DGAMA_LOCAL="$GAMA_LOCAL"
cmake --build build-sanitize -j2
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2)

# The Windows program, cross-built with MinGW-w64 and run under Wine: the core's suites
# and the golden transcripts, batch runs, the window on a virtual screen, the installer.
tests/windows_test.sh build-windows tests/golden build/qt/central-polygon
