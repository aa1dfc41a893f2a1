#!/usr/bin/env bash
# The journal of the real window: a calculation replayed from part of an answers file
# waits at its next prompt; killed there with SIGKILL, it must leave every answer in
# the journal, and that journal with the rest of the answers must give the golden
# transcript again.
set -uo pipefail
program=$(realpath "$1")
transcript=$(realpath "$2")
golden=$(realpath "$3")
scratch=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data QT_QPA_PLATFORM=offscreen
answers=$golden/n6_b_on_ring.answers
head -n 30 "$answers" >"$scratch/first.answers"

"$program" "$scratch/first.answers" 2>"$scratch/err.txt" &
journal=
for _ in $(seq 200); do
  journal=$(ls "$XDG_DATA_HOME"/central-polygon/runs/*.answers 2>/dev/null | head -n 1)
  [ -n "$journal" ] && [ "$(wc -l <"$journal")" -ge 30 ] && break
  sleep 0.05
done
sleep 0.2
kill -9 %1
wait %1 2>/dev/null

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
if [ ! -s "$scratch/err.txt" ]; then
  echo "ok   nothing on stderr"
else
  echo "FAIL stderr: $(head -c 300 "$scratch/err.txt")"; failures=1
fi
exit $failures
