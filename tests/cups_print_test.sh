#!/usr/bin/env bash
# Prints through a real CUPS server of the test's own: its own configuration, spool and
# port on 127.0.0.1, nothing system-wide touched. Its one raw queue has a backend of the
# test's that copies each job's document into a folder. The report printed through the
# real print command must read back as the report's lines; a queue that refuses jobs,
# and a stopped printer, must be said. The same for the program's own `--batch --print`,
# which exits 2 with the reason. The server is stopped in every outcome.
# Usage: cups_print_test.sh PRINT_PROBE GOLDEN_DIR PROGRAM
# errtrace: a command that fails inside a function of private_cups.sh is named too.
set -eEuo pipefail
trap 'status=$?; echo "cups_print_test: stopped at line $LINENO by \"$BASH_COMMAND\" (status $status)" >&2' ERR
probe=$1
answers=$2/n6_b_on_ring.answers
program=$3

source "$(dirname "$0")/private_cups.sh"
work=$cups_work
export QT_QPA_PLATFORM=offscreen

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
