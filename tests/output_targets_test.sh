#!/usr/bin/env bash
# Where a batch run's files go: a device, a pipe or the terminal is written straight into
# and never replaced; a link to a file keeps being a link to the replaced file; a file
# size limit is a failure like a full disk, on standard output too; one run's files are
# written all or none; and an interruption leaves no temporary file.
# Devices are the test's own, made in its scratch folder, never the system's.
source "$(dirname "$0")/batch_scratch.sh"
complete=$golden/n6_b_on_ring.answers
run --batch "$complete"
cp out.txt expected.txt

# The terminal or a pipe through a link of /proc, as /dev/stdout is.
ln -s /proc/self/fd/1 stdout
timeout 30 "$program" --batch "$complete" --report stdout >piped.txt 2>err.txt
check "--report to a link to stdout exits 0" test $? -eq 0
check "and the report comes out of the pipe" cmp -s piped.txt expected.txt
check "and the link stays a link" test -L stdout

mkfifo fifo
cat fifo >from-fifo.txt &
run --batch "$complete" --report fifo
wait $!
check "--report to a FIFO exits 0" test $status -eq 0
check "and the reader gets the report" cmp -s from-fifo.txt expected.txt
check "and the FIFO stays a FIFO" test -p fifo

if mknod null c 1 3 2>/dev/null && mknod full c 1 7 2>/dev/null; then
  run --batch "$complete" --dxf null --report report.txt
  check "--dxf to a null device exits 0" test $status -eq 0
  check "and the device stays a device" test -c null
  run --batch "$complete" --report full --coordinates c.csv
  check "a full device exits 2" test $status -eq 2
  check "naming the reason" grep -q 'No space left on device' err.txt
  check "and the device stays a device" test -c full
  check "and no other file of the run is written" test ! -e c.csv
else
  echo "skip devices: this machine lets no test make one"
fi

echo old >real.txt
ln -s real.txt link.txt
run --batch "$complete" --report link.txt
check "--report through a link exits 0" test $status -eq 0
check "the link stays a link" test "$(readlink link.txt)" = real.txt
check "and the file it names is the report" cmp -s real.txt expected.txt
ln -s new.txt dangling.txt
run --batch "$complete" --report dangling.txt
check "a link to no file yet makes the file it names" cmp -s new.txt expected.txt
check "and stays a link" test -L dangling.txt

# A file size limit of 1 KiB: the system's reason, exit 2 and no temporary file, not
# the end of the program by a signal.
mkdir limited
(ulimit -f 1; exec timeout 20 "$program" --batch "$complete" --report limited/r.txt) >out.txt 2>err.txt
check "a file size limit exits 2" test $? -eq 2
check "naming the reason" grep -q 'File too large' err.txt
check "and leaves nothing" test -z "$(ls -A limited)"

# One run's files together: a refusal of the point file comes before the coordinate
# table is touched, and a failure of the last file leaves the earlier ones as they were.
sed 's/^P3$/P3,东/' "$complete" >comma.answers
grep -q 'P3,东' comma.answers || check "the answers name P3" false
echo old >c.csv
run --batch comma.answers --coordinates c.csv --dat p.dat
check "a name the point file cannot hold exits 2" test $status -eq 2
check "and the coordinate table is as it was" test "$(cat c.csv)" = old
check "and no point file" test ! -e p.dat
echo old >r.txt
(ulimit -f 8; exec timeout 20 "$program" --batch "$complete" --report r.txt --coordinates c.csv \
  --pdf r.pdf) >out.txt 2>err.txt
check "a PDF over the size limit exits 2" test $? -eq 2
check "and the report and table written with it are as they were" \
  test "$(cat r.txt c.csv)" = "$(printf 'old\nold')"
check "and there is no PDF" test ! -e r.pdf

# The report on standard output is checked as a file is: a full device, a closed stream
# and a file size limit each exit 2 with the system's reason, never 0 with nothing said.
if [ -c full ]; then
  timeout 30 "$program" --batch "$complete" >full 2>err.txt
  check "a report on a full standard output exits 2" test $? -eq 2
  check "naming standard output and the reason" grep -q '标准输出：No space left on device' err.txt
fi
timeout 30 "$program" --batch "$complete" >&- 2>err.txt
check "a report on a closed standard output exits 2" test $? -eq 2
check "naming the reason" grep -q '标准输出：Bad file descriptor' err.txt
(ulimit -f 1; exec timeout 20 "$program" --batch "$complete") >limited.txt 2>err.txt
check "a report on a size-limited standard output exits 2, no signal" test $? -eq 2
check "naming the reason" grep -q '标准输出：File too large' err.txt
timeout 30 "$program" --help >&- 2>err.txt
check "--help on a closed standard output exits 2" test $? -eq 2

# An interruption while the outputs wait for a pipe's reader, as `cp` waits, ends the run
# with the signal's status and leaves no temporary file and every target as it was.
mkdir waiting
mkfifo waiting/fifo
for signal in TERM INT HUP; do
  echo old >waiting/r.txt
  # A background job of a script starts with SIGINT ignored, as a program's SIGINT is
  # under nohup; --default-signal gives it the terminal's Ctrl+C.
  env --default-signal=INT "$program" --batch "$complete" --report waiting/fifo \
    --pdf waiting/r.pdf --coordinates waiting/r.txt >/dev/null 2>err.txt &
  pid=$!
  for _ in $(seq 100); do
    [ "$(ls -A waiting | grep -c '^\.')" -ge 2 ] && break
    sleep 0.1
  done
  check "SIG$signal: the temporaries were there while the pipe waited" \
    test "$(ls -A waiting | grep -c '^\.')" -ge 2
  kill -s "$signal" "$pid"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -s KILL "$pid" 2>/dev/null && echo "SIG$signal: the run was still waiting 10 s later"
  wait "$pid"
  status=$?
  check "SIG$signal ends the run with 128 + the signal" test $status -eq $((128 + $(kill -l $signal)))
  check "SIG$signal leaves no temporary file" test -z "$(ls -A waiting | grep '^\.')"
  check "SIG$signal leaves the targets as they were" test "$(cat waiting/r.txt)" = old -a ! -e waiting/r.pdf
done

check "no temporary file is left" test -z "$(ls -A | grep '^\.')"
finish
