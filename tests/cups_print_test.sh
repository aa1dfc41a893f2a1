#!/usr/bin/env bash
# Prints through a real CUPS server of the test's own: its own configuration, spool and
# port on 127.0.0.1, nothing system-wide touched. Its one raw queue has a backend of the
# test's that copies each job's document into a folder. The report printed through the
# real print command must read back as the report's lines; a queue that refuses jobs,
# and a stopped printer, must be said. The same for the program's own `--batch --print`,
# which exits 2 with the reason. The server is stopped in every outcome.
# Usage: cups_print_test.sh PRINT_PROBE GOLDEN_DIR PROGRAM
set -euo pipefail
probe=$1
answers=$2/n6_b_on_ring.answers
program=$3

for tool in cupsd lpadmin cupsreject cupsaccept cupsdisable lpstat pdftotext; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (install cups and poppler-utils)" >&2; exit 1; }
done

work=$(mktemp -d)
chmod 755 "$work"  # the backend runs as lp and must reach its folder
cupsd_pid=
stop() {
  if [ -n "$cupsd_pid" ]; then kill "$cupsd_pid" 2>/dev/null || true; wait "$cupsd_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap stop EXIT

mkdir -p "$work"/{spool,tmp,cache,state,log,home,jobs} "$work/serverbin/backend"
chmod 1777 "$work/jobs" "$work/tmp"
ln -s /usr/lib/cups/daemon "$work/serverbin/daemon"
ln -s /usr/lib/cups/filter "$work/serverbin/filter"
cat > "$work/serverbin/backend/capture" <<'BACKEND'
#!/bin/sh
# Without arguments: the device this backend offers. With a job: its document, kept.
if [ $# -eq 0 ]; then echo 'direct capture "Capture" "Keeps every job"'; exit 0; fi
folder=${DEVICE_URI#capture:}
if [ -n "$6" ]; then cat "$6"; else cat; fi > "$folder/job-$1.part" && mv "$folder/job-$1.part" "$folder/job-$1.pdf"
BACKEND
chmod 755 "$work/serverbin/backend/capture"

write_config() {
cat > "$work/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$work/cups-files.conf" <<CONF
ServerRoot $work
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
ServerBin $work/serverbin
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
CONF
}

# A free port is found by trying: a port another program holds keeps cupsd from starting.
export HOME=$work/home QT_QPA_PLATFORM=offscreen
for attempt in 1 2 3 4 5; do
  port=$(( 20000 + RANDOM % 20000 ))
  write_config
  cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
  cupsd_pid=$!
  export CUPS_SERVER=127.0.0.1:$port
  for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
  lpstat -r >/dev/null 2>&1 && break
  kill "$cupsd_pid" 2>/dev/null || true; wait "$cupsd_pid" 2>/dev/null || true; cupsd_pid=
done
[ -n "$cupsd_pid" ] || { echo "the private cupsd did not start" >&2; cat "$work/log/error_log" >&2 || true; exit 1; }
lpadmin -p capture -E -v "capture:$work/jobs" -m raw 2>/dev/null
lpadmin -d capture

fail() { echo "cups_print_test: $*" >&2; exit 1; }

# Printed: no message, nothing on stderr, one job whose text is the report.
"$probe" "$answers" >"$work/out" 2>"$work/err"
[ ! -s "$work/out" ] || fail "printing said: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "printing wrote to stderr: $(cat "$work/err")"
for _ in $(seq 150); do compgen -G "$work/jobs/job-*.pdf" >/dev/null && break; sleep 0.1; done
jobs=("$work"/jobs/job-*.pdf)
[ -f "${jobs[0]}" ] || fail "no job reached the backend"
"$probe" "$answers" --check "${jobs[0]}" || fail "the printed job is not the report"

# A batch run's --print: the report on stdout and the same report as a job.
"$program" --batch "$answers" --print >"$work/out" 2>"$work/err" || fail "--print exited $?: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "--print wrote to stderr: $(cat "$work/err")"
for _ in $(seq 150); do [ "$(ls "$work/jobs" | wc -l)" -ge 2 ] && break; sleep 0.1; done
[ "$(ls "$work/jobs" | wc -l)" -eq 2 ] || fail "--print made no job"
"$probe" "$answers" --check "$(ls -t "$work"/jobs/job-*.pdf | head -n 1)" || fail "--print's job is not the report"

# Refused: the printing system's reason is said, and no job is made.
cupsreject -r "test refusal" capture
"$probe" "$answers" >"$work/out" 2>"$work/err"
grep -q "^! 打印机 capture 未能打印报告：" "$work/out" || fail "a refused job was not said: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "refusal wrote to stderr: $(cat "$work/err")"
status=0
"$program" --batch "$answers" --print >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "--print to a refusing queue exited $status"
grep -q "^打印机 capture 未能打印报告：" "$work/err" || fail "--print's refusal was not said: $(cat "$work/err")"
sleep 0.5
[ "$(ls "$work/jobs" | wc -l)" -eq 2 ] || fail "a refused print made a job"
cupsaccept capture

# Stopped: the job waits in the queue, and the printer's own message is said.
cupsdisable -r "卡纸" capture
"$probe" "$answers" >"$work/out" 2>"$work/err"
grep -q "^! 打印机 capture 未能打印报告：卡纸" "$work/out" || fail "a stopped printer was not said: $(cat "$work/out")"
status=0
"$program" --batch "$answers" --print >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q "^打印机 capture 未能打印报告：卡纸" "$work/err" ||
  fail "--print to a stopped printer: exit $status, $(cat "$work/err")"

# No printer at all: --print says so and exits 2.
lpadmin -x capture
status=0
"$program" --batch "$answers" --print >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q "^没有打印机，报告没有打印$" "$work/err" ||
  fail "--print without a printer: exit $status, $(cat "$work/err")"
echo "cups_print_test: printed, refused, stopped and missing as expected, window and --print alike"
