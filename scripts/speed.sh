#!/usr/bin/env bash
# Speed as a user meets it, measured side by side in one run: whole processes, the
# median of several of each, alternating, on this machine as it is.
#   scripts/speed.sh [BUILDDIR]      (build by default)
# - a text run of the N = 6 polygon against a program that only reads its answers file
#   and writes it out;
# - a text run of an N = 1000 polygon against the `transcript` harness computing it;
# - the N = 1000 PDF against the N = 6 PDF;
# - the window's start, mapped and visible, against a bare Qt window of its size (where
#   Xvfb and xdotool are installed and the build has the window).
set -uo pipefail
source_dir=$(realpath "$(dirname "$0")/..")
build=$(realpath "${1:-build}")
program=$build/qt/central-polygon
# A build without the window (-DCP_WITH_QT=OFF, as the sanitizer's) has its batch program.
[ -x "$program" ] || program=$build/tests/batch_program
golden=$source_dir/tests/golden
[ -x "$program" ] || { echo "no program in $build (build it first)" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
small=$golden/n6_b_on_ring.answers
large=$golden/grade_n1000_outside_q2.answers

# milliseconds COMMAND...: the time of one run, its output discarded; a failed run ends
# the measurement.
milliseconds() {
  local start
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  python3 -c "print(f'{($(date +%s%N) - $start) / 1e6:.1f}')"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# side_by_side RUNS NAME_A NAME_B: runs `a` and `b` (functions) alternately, and prints
# both medians and their ratio.
side_by_side() {
  local runs=$1 first=() second=()
  a >/dev/null 2>&1 && b >/dev/null 2>&1  # one of each first, to warm the caches
  for _ in $(seq "$runs"); do
    first+=("$(milliseconds a)") || exit 1
    second+=("$(milliseconds b)") || exit 1
  done
  local one two
  one=$(printf '%s\n' "${first[@]}" | median)
  two=$(printf '%s\n' "${second[@]}" | median)
  printf '%-44s %9s ms   %-30s %9s ms   %5.2f times\n' "$2" "$one" "$3" "$two" \
    "$(python3 -c "print($one / $two)")"
}

cd "$scratch" || exit 1
a() { "$program" --batch "$small"; }
b() { "$build/tests/read_write_floor" "$small"; }
side_by_side 11 "--batch N = 6, text" "reading and writing the file"
a() { "$program" --batch "$large"; }
b() { "$build/tests/transcript" <"$large"; }
side_by_side 7 "--batch N = 1000, text" "the transcript harness"
a() { "$program" --batch "$large" --pdf large.pdf; }
b() { "$program" --batch "$small" --pdf small.pdf; }
side_by_side 3 "--batch N = 1000 --pdf" "--batch N = 6 --pdf"

bare_window=$build/tests/bare_qt_window
if [ -x "$bare_window" ] && command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  exec {display_fd}<> <(:)
  Xvfb -noreset -displayfd "$display_fd" -screen 0 1600x1000x24 2>/dev/null &
  xvfb=$!
  number=
  read -r -t 20 -u "$display_fd" number || true
  if [ -n "$number" ]; then
    export DISPLAY=:$number
    unset QT_QPA_PLATFORM
    source "$source_dir/tests/table_keys.sh"
    start_ratio "$program" "$bare_window" >/dev/null
    printf '%-44s %9s ms   %-30s %9s ms   %5s times\n' "the window, mapped and visible" \
      "$ours_ms" "a bare Qt window" "$bare_ms" "$start_ratio"
  fi
  kill "$xvfb" 2>/dev/null
else
  echo "the window's start: not measured (no window in this build, or no Xvfb and xdotool)"
fi
