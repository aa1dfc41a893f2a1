#!/usr/bin/env bash
# The core cross-built for 64-bit Windows with MinGW-w64 and run under Wine: its suites,
# and every golden transcript, the same as on Linux but for the last bits of the
# every-point doubles (compare_transcripts.py says why).
# Usage: windows_test.sh BUILD_DIR GOLDEN_DIR
set -uo pipefail
build=$(realpath -m "$1")
golden=$(realpath "$2")
here=$(realpath "$(dirname "$0")")
cmake -S "$here/.." -B "$build" -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" \
  -DCP_WITH_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCP_WARNINGS_AS_ERRORS=ON --no-warn-unused-cli \
  >/dev/null || exit 1
cmake --build "$build" -j2 --target unit_tests transcript >/dev/null || exit 1

# A prefix of its own, and one server kept for the whole run: a cold prefix takes
# seconds, every later start a fraction of one.
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1
wineserver -p

failures=0
if wine "$build/tests/unit_tests.exe" --gtest_brief=1 >"$build/unit_tests.log" 2>&1; then
  echo "ok   the core's suites under Wine: $(grep -o '[0-9]* tests' "$build/unit_tests.log" | tail -1)"
else
  echo "FAIL the core's suites under Wine"; grep -E 'FAILED|Failure' "$build/unit_tests.log" | head
  failures=$((failures + 1))
fi
for answers in "$golden"/*.answers; do
  name=$(basename "$answers" .answers)
  wine "$build/tests/transcript.exe" <"$answers" >"$build/$name.transcript" 2>/dev/null
  if "$here/compare_transcripts.py" "$golden/$name.transcript" "$build/$name.transcript"; then
    echo "ok   $name under Wine"
  else
    echo "FAIL $name under Wine"; failures=$((failures + 1))
  fi
done
echo "$failures failed"
exit $((failures > 0))
