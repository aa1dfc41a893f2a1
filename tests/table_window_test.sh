#!/usr/bin/env bash
# The data table of the real program on a virtual screen, driven by real key presses:
# opened with --table, a side's value reached by Ctrl+Home and the arrows, retyped,
# Enter, F9: the journal holds the polygon with the new value, Ctrl+S saves it and
# --batch of the saved sheet gives the report of the corrected polygon. Then an edit
# made and the program killed with SIGKILL: the next start offers the table back, and
# F9 calculates it with the edit. Last, the window's start against a bare Qt window's.
set -uo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
golden=$(realpath "$2")
bare_window=$(realpath "$3")
scratch=$(mktemp -d)
exec {display_fd}<> <(:)
Xvfb -noreset -displayfd "$display_fd" -screen 0 1600x1000x24 2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill -9 $(jobs -p) 2>/dev/null; kill $xvfb 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$scratch"' EXIT
number=
read -r -t 20 -u "$display_fd" number || true
[ -n "$number" ] || { echo "FAIL Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=:$number HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
mkdir -p "$HOME"
unset QT_QPA_PLATFORM
runs=$XDG_DATA_HOME/central-polygon/runs
cd "$scratch" || exit 1
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

source "$here/table_keys.sh"

"$program" --batch "$golden/n6_b_on_ring.answers" --sheet n6.csv >/dev/null
sed 's/^S(7),1129.175,/S(7),1129.18,/' n6.csv >expected.csv
"$program" --batch expected.csv >expected.txt
# The table saves every row a user may fill in, the EDM precision's too.
grep -v '^m[ab],' n6.csv >before.csv

"$program" --table n6.csv 2>err.txt &
running=$!
table=$(window_titled "数据表 - n6.csv") || { echo "FAIL the table window did not appear"; exit 1; }
check "--table shows the table and computes nothing" test ! -e "$runs"
# S(7) is on line 28 of the sheet.
table_to_value 27
xdotool type --delay 30 1129.18
table_keys Return F9
# Whether the newest journal comes to hold the line within 5 s.
journal_gets() {
  for _ in $(seq 50); do
    grep -qx "$1" "$(ls -t "$runs"/*.answers 2>/dev/null | head -n 1)" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
check "F9 journals the polygon with the new value" journal_gets 1129.18
table_keys ctrl+s
sleep 0.5
check "Ctrl+S saves the corrected sheet" \
  bash -c "grep -q '^S(7),1129.18,' n6.csv && grep -v '^m[ab],' n6.csv | sed 's/^S(7),1129.18,/S(7),1129.175,/' | cmp -s - before.csv"
"$program" --batch n6.csv >saved.txt
check "--batch of the saved sheet gives the corrected polygon's report" cmp -s saved.txt expected.txt
kill $running 2>/dev/null
wait $running 2>/dev/null

# An edit, then SIGKILL: the edit is on the disk, and offered back at the next start.
"$program" --batch "$golden/n6_b_on_ring.answers" --sheet fresh.csv >/dev/null
"$program" --table fresh.csv 2>>err.txt &
running=$!
table=$(window_titled "数据表 - fresh.csv") || { echo "FAIL the table window did not appear"; exit 1; }
table_to_value 29  # S(9)
xdotool type --delay 30 1500.5
table_keys Return
sleep 1
kill -9 $running
wait $running 2>/dev/null
kept=$(ls "$runs"/unsaved-table-*.csv 2>/dev/null | head -n 1)
check "the edit survived kill -9" grep -q '^S(9),1500.5,' "${kept:-/dev/null}"
before=$(ls "$runs"/*.answers | wc -l)
"$program" 2>>err.txt &
running=$!
question=$(question_window) || { echo "FAIL the unsaved table was not offered back"; exit 1; }
# 确定 is to the left of the default 取消.
xdotool windowfocus --sync "$question" 2>/dev/null
xdotool key --delay 50 shift+Tab space
table=$(window_titled "数据表") || { echo "FAIL the table was not offered back"; exit 1; }
table_keys F9
check "the table offered back calculates with the edit" journal_gets 1500.5
check "in a journal of its own" test "$(ls "$runs"/*.answers | wc -l)" -gt "$before"
check "the offered table's file is gone" test ! -e "$kept"
kill $running 2>/dev/null
wait $running 2>/dev/null

# Speed as the user sees it: opening N = 1000 in the table, and F9, each within twice the
# main window's start.
table_speed "$program"
echo "     the main window appears in $main_ms ms; N = 1000 opens in the table in $open_ms ms," \
  "F9 calculates it in $f9_ms ms"
check "N = 1000 opens in the table within twice the main window's start" \
  test "$open_ms" -le $((2 * main_ms))
check "and F9 calculates it within twice" test "$f9_ms" -le $((2 * main_ms))
check "the window is shown within twice a bare Qt window's time" \
  shown_within_twice "$program" "$bare_window"
check "nothing on stderr" test ! -s err.txt
[ -s err.txt ] && cat err.txt
exit $((failures > 0))
