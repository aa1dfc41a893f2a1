# Sourced by the data table's tests on Linux and under Wine: finding the program's windows
# on the virtual screen, real key presses to the table, and an N = 1000 sheet.

# The visible window whose title starts so, once it is mapped (up to 20 s).
window_titled() {
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
# The program's question, a window titled as the main one but narrower, once it shows.
question_window() {
  for _ in $(seq 100); do
    local id width
    for id in $(xdotool search --onlyvisible --name "^中心多边形三边平差$" 2>/dev/null); do
      width=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
      [ "${width:-0}" -lt 700 ] && { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  return 1
}
# Keys to the table window ($table), with the keyboard focus on it.
table_keys() {
  xdotool windowfocus --sync "$table" 2>/dev/null
  xdotool key --delay 40 "$@"
}
# From the top left cell down ROWS rows and right one, to a value.
table_to_value() {
  table_keys ctrl+Home
  for _ in $(seq "$1"); do xdotool key --delay 15 Down; done
  xdotool key --delay 40 Right
}
# A regular polygon of 1000 triangles oriented by Q2, as a sheet.
thousand_triangles_sheet() {
  python3 - <<'PY'
import math
n, r = 1000, 1000.0
print("N,%d\nXa,1000\nYa,1000\nXb,0\nYb,0\nT0,0\nQ1,0\nQ2,30\nQ3,0" % n)
for k in range(n + 2):
    print("点,%d,P%d" % (k, k))
for k in range(1, 2 * n + 1):
    print("S(%d),%.3f" % (k, r if k % 2 else 2 * r * math.sin(math.pi / n)))
PY
}
milliseconds_since() { echo $((($(date +%s%N) - $1) / 1000000)); }

# Start-up as the user sees it: milliseconds from the start of COMMAND… to its window,
# titled TITLE, mapped and visible; then the program is ended.
shown_after() {  # shown_after TITLE COMMAND...
  local title=$1 start pid
  shift
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1000); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
    sleep 0.01
  done
  milliseconds_since "$start"
  kill $pid 2>/dev/null; wait $pid 2>/dev/null
  for _ in $(seq 100); do xdotool search --name "$title" >/dev/null 2>&1 || break; sleep 0.05; done
}
# The program's window against a bare window of the same toolkit and size, started the
# same way (LAUNCHER, as `wine`, or none): seven starts of each, alternating, after one
# of the bare window to warm the system. Sets ours_ms, bare_ms (medians) and start_ratio.
start_ratio() {  # start_ratio PROGRAM BARE_PROGRAM [LAUNCHER]
  local launcher=("${@:3}") ours=() bare=()
  shown_after bare-window-probe "${launcher[@]}" "$2" >/dev/null
  for _ in 1 2 3 4 5 6 7; do
    bare+=("$(shown_after bare-window-probe "${launcher[@]}" "$2")")
    ours+=("$(shown_after 中心多边形三边平差 "${launcher[@]}" "$1")")
  done
  ours_ms=$(printf '%s\n' "${ours[@]}" | sort -n | sed -n 4p)
  bare_ms=$(printf '%s\n' "${bare[@]}" | sort -n | sed -n 4p)
  start_ratio=$(python3 -c "print(f'{$ours_ms / $bare_ms:.2f}')")
  echo "     start-up, mapped and visible: the window ${ours[*]} ms (median $ours_ms)," \
    "a bare window ${bare[*]} ms (median $bare_ms): $start_ratio times"
}
# Whether the window is shown within twice a bare window's time: measured as above, up
# to three times while a measure is over, since one busy moment of the machine moves a
# median of seven; a window truly that slow is over in every one.
shown_within_twice() {  # shown_within_twice PROGRAM BARE_PROGRAM [LAUNCHER]
  for _ in 1 2 3; do
    start_ratio "$@"
    [ "$ours_ms" -le $((2 * bare_ms)) ] && return 0
  done
  return 1
}

# Speed as the user sees it, medians of three alternating runs of the program PROGRAM…
# (a command, as `wine X.exe`): the main window from the start to visible, an N = 1000
# sheet opened with --table to its table visible, and F9 to the calculation's last
# answer in the journal ($runs). Sets main_ms, open_ms and f9_ms; a figure not measured
# is very large, the main window's start 0.
table_speed() {
  local start running
  thousand_triangles_sheet >n1000.csv
  rm -f main.ms open.ms f9.ms
  for _ in 1 2 3; do
    rm -rf "$runs"
    start=$(date +%s%N)
    "$@" 2>>err.txt >/dev/null &
    running=$!
    window_titled "中心多边形三边平差" >/dev/null && milliseconds_since "$start" >>main.ms
    kill $running 2>/dev/null; wait $running 2>/dev/null
    start=$(date +%s%N)
    "$@" --table n1000.csv 2>>err.txt >/dev/null &
    running=$!
    table=$(window_titled "数据表 - n1000.csv") && milliseconds_since "$start" >>open.ms
    xdotool windowfocus --sync "$table" 2>/dev/null
    start=$(date +%s%N)
    xdotool key F9
    for _ in $(seq 1000); do
      [ "$(cat "$runs"/*.answers 2>/dev/null | wc -l)" -ge 6019 ] && break
      sleep 0.005
    done
    milliseconds_since "$start" >>f9.ms
    kill $running 2>/dev/null; wait $running 2>/dev/null
  done
  main_ms=$(sort -n main.ms | sed -n 2p) open_ms=$(sort -n open.ms | sed -n 2p)
  f9_ms=$(sort -n f9.ms | sed -n 2p)
  main_ms=${main_ms:-0} open_ms=${open_ms:-99999} f9_ms=${f9_ms:-99999}
}
