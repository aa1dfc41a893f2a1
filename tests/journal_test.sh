#!/usr/bin/env bash
# The journal of the real window: a calculation replayed from part of an answers file
# waits at its next prompt; killed there with SIGKILL, it must leave every answer in
# the journal, and that journal with the rest of the answers must give the golden
# transcript again. The runs folder already holds 250 journals that a wrong clock named
# and dated in 2099, and two files that are not journals: pruning must not take this
# run's journal, nor touch the other files. Then a run ended by an empty answer at a
# value prompt, killed while its message 计算中止 is shown: its journal holds every
# answer given before, and not the empty one that ended it.
set -uo pipefail
program=$(realpath "$1")
transcript=$(realpath "$2")
golden=$(realpath "$3")
scratch=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data QT_QPA_PLATFORM=offscreen
answers=$golden/n6_b_on_ring.answers
head -n 30 "$answers" >"$scratch/first.answers"
runs=$XDG_DATA_HOME/central-polygon/runs
mkdir -p "$runs"
for i in $(seq 100 349); do echo 6 >"$runs/20990101-100$i.answers"; done
touch -d '2099-01-02 00:00' "$runs"/2099*.answers
echo notes >"$runs/notes.txt"
echo 'not a journal' >"$runs/20990101-000000.answers.bak"

"$program" "$scratch/first.answers" 2>"$scratch/err.txt" &
journal=
for _ in $(seq 200); do
  journal=$(ls "$runs"/*.answers 2>/dev/null | grep -v '/2099' | head -n 1)
  [ -n "$journal" ] && [ "$(wc -l <"$journal")" -ge 30 ] && break
  sleep 0.05
done
sleep 0.2
kill -9 %1
wait %1 2>/dev/null

# Wait for a journal of this program run that holds LINES answers, then SIGKILL.
killed_at() {  # killed_at LINES: sets $journal
  journal=
  for _ in $(seq 200); do
    journal=$(ls -t "$runs"/*.answers 2>/dev/null | grep -v '/2099' | head -n 1)
    [ -n "$journal" ] && [ "$(wc -l <"$journal")" -ge "$1" ] && break
    sleep 0.05
  done
  sleep 0.5
  kill -9 %% 2>/dev/null
  wait %% 2>/dev/null
}

failures=0
if [ -n "$journal" ] && cmp -s "$journal" "$scratch/first.answers"; then
  echo "ok   the killed run left every answer in its journal"
else
  echo "FAIL the journal ${journal:-(none)} does not hold the 30 answers"; failures=1
fi
if { cat "$journal"; tail -n +31 "$answers"; } | "$transcript" | cmp -s - "$golden/n6_b_on_ring.transcript"; then
  echo "ok   the journal and the rest replay the golden transcript"
else
  echo "FAIL the journal and the rest do not replay the golden transcript"; failures=1
fi
if [ "$(ls "$runs"/*.answers | wc -l)" -eq 200 ] && [ "$(cat "$runs/notes.txt")" = notes ] &&
  [ -f "$runs/20990101-000000.answers.bak" ]; then
  echo "ok   200 journals kept, the other files untouched"
else
  echo "FAIL the runs folder: $(ls "$runs" | wc -l) entries"; failures=1
fi
# 31 answers end on the confirmation of S(7); the empty answer at S(8) ends the run.
{ head -n 31 "$answers"; echo; } >"$scratch/ended.answers"
"$program" "$scratch/ended.answers" 2>>"$scratch/err.txt" &
killed_at 31
if [ -n "$journal" ] && cmp -s "$journal" <(head -n 31 "$answers"); then
  echo "ok   killed at 计算中止, the journal holds the answers given and not the empty one"
else
  echo "FAIL the journal of the ended run holds $(wc -l <"$journal") lines, not the 31 answers"
  failures=1
fi

if [ ! -s "$scratch/err.txt" ]; then
  echo "ok   nothing on stderr"
else
  echo "FAIL stderr: $(head -c 300 "$scratch/err.txt")"; failures=1
fi
exit $failures
