#!/usr/bin/env bash
# Batch runs of the real program: exit statuses, messages with line numbers, report
# text and PDF, line ends, and answers files that are no answers files. Every run starts
# in a scratch folder with HOME there, and nothing may appear in it but what was asked.
source "$(dirname "$0")/batch_scratch.sh"
report_of() { sed -n '/^=== report$/,/^=== record$/p' "$1" | sed '1d;$d'; }
complete=$golden/n6_b_on_ring.answers
report_of "$golden/n6_b_on_ring.transcript" >expected.txt

run --batch "$complete"
check "complete run exits 0" test $status -eq 0
check "report text is the transcript's report" cmp -s out.txt expected.txt
check "nothing on stderr" test ! -s err.txt

run --batch "$complete" --report report.txt --pdf report.pdf
check "report and pdf exit 0" test $status -eq 0
check "report file holds the report" cmp -s report.txt expected.txt
check "stdout stays empty with --report" test ! -s out.txt
check "pdf holds the title" sh -c 'pdftotext report.pdf - | grep -q "多边形三边平差"'

# No environment makes a batch run abort: it needs no display and no Qt platform, and
# its PDF is drawn without either.
for environment in "QT_QPA_PLATFORM=" "DISPLAY=:97" "QT_QPA_PLATFORM=xcb DISPLAY=:97" \
  "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere"; do
  env $environment timeout 20 "$program" --batch "$complete" --pdf env.pdf >out.txt 2>err.txt
  status=$?
  check "batch with $environment exits 0" test $status -eq 0
  check "batch with $environment says nothing on stderr" test ! -s err.txt
  check "batch with $environment writes the report" cmp -s out.txt expected.txt
  check "batch with $environment writes the PDF" sh -c 'pdftotext env.pdf - | grep -q 点位精度与误差椭圆'
done
rm env.pdf

printf 'old' >kept.txt
run --batch "$complete" --report /nonexistent/report.txt
check "unwritable output exits 2" test $status -eq 2
check "and names the path and reason" grep -q '/nonexistent/report.txt.*No such file or directory' err.txt
check "and says one line only" test "$(wc -l <err.txt)" -eq 1
run --batch "$complete" --pdf "$scratch"
check "a folder as pdf exits 2" test $status -eq 2
check "the old file is untouched" test "$(cat kept.txt)" = old

# A write that does not reach the disk whole is a failure: exit 2, the reason, no file.
# The runs go through RUNNER: `run`, or `run_limited` under a file size limit of 8 KiB
# (ulimit counts blocks of 1024 bytes), which the program reports as a full disk.
run_limited() { (ulimit -f 8; exec timeout 20 "$program" "$@") >out.txt 2>err.txt; status=$?; }
full_disk() {  # full_disk WHAT RUNNER OPTION PATH
  local what=$1 runner=$2
  shift 2
  "$runner" --batch "$complete" "$@"
  check "$what exits 2" test $status -eq 2
  check "$what names the reason" grep -qE 'No space left on device|File too large' err.txt
  check "$what leaves no file" test -z "$(ls -A small | grep -vx filler)"
}
mkdir small
full_disk "a PDF over the size limit" run_limited --pdf small/o.pdf
# A real file system that is full, where this machine lets the test mount one.
if mount -t tmpfs -o size=8k tmpfs small 2>/dev/null; then
  full_disk "a PDF onto a full disk" run --pdf small/o.pdf
  head -c 8192 /dev/zero >small/filler 2>/dev/null
  full_disk "a report onto a full disk" run --report small/o.txt
  umount small
else
  echo "skip a full tmpfs: this machine lets no test mount one"
fi
rmdir small


# No output may destroy the answers file or another output: compared as files, refused
# with exit 2 before anything is written.
cp "$complete" own.answers
ln -s own.answers linked.answers
ln own.answers hard.answers
refused_clash() {  # refused_clash WHAT ARGS...
  local what=$1; shift
  local before; before=$(sha256sum own.answers)
  run --batch "$@"
  check "$what exits 2" test $status -eq 2
  check "$what names the clash in one line" test "$(wc -l <err.txt)" -eq 1
  check "$what leaves the answers as they were" test "$(sha256sum own.answers)" = "$before"
  check "$what writes nothing" test ! -e both.txt
}
refused_clash "--report onto the answers" own.answers --report own.answers
refused_clash "--pdf onto the answers" own.answers --pdf own.answers
refused_clash "--report through ./" own.answers --report ./own.answers
refused_clash "--pdf through a symlink" own.answers --pdf linked.answers
refused_clash "--report through a hard link" own.answers --report hard.answers
refused_clash "answers read through a symlink" linked.answers --report "$scratch/own.answers"
refused_clash "two outputs naming one path" own.answers --report both.txt --pdf ./both.txt
check "the clash names both paths" grep -q -- '--report both.txt 与 --pdf ./both.txt 是同一个文件' err.txt
rm linked.answers hard.answers

run --batch "$golden/refusals.answers"
check "an ended run exits 1" test $status -eq 1
check "refusals carry their lines" grep -q 'refusals.answers:7: Xa 的输入不是数值' err.txt
check "the ending message carries its line" grep -q 'refusals.answers:17: 没有输入 m 的数值，计算中止' err.txt
check "no report for an ended run" test ! -s out.txt

run --batch "$golden/no_triangle.answers"
check "a fault exits 1" test $status -eq 1
check "the fault's message carries its line" grep -q 'no_triangle.answers:34: .*不能构成三角形' err.txt

head -n 20 "$complete" >short.answers
run --batch short.answers
check "answers running out exit 1" test $status -eq 1
check "the waiting prompt is named at the next line" grep -q '^short.answers:21: 答案已用完，程序仍在等待回答：' err.txt

{ cat "$complete"; echo extra; echo lines; } >extra.answers
run --batch extra.answers
check "lines left still exit 0" test $status -eq 0
check "lines left are warned of" grep -q '计算已完成，其后的答案没有用到' err.txt

{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$complete"; } >windows.answers
run --batch windows.answers
check "CRLF and BOM read alike" cmp -s out.txt expected.txt

: >empty.answers
run --batch empty.answers
check "an empty file exits 1" test $status -eq 1
check "at its first line" grep -q '^empty.answers:1: ' err.txt

{ cat "$complete"; yes 0 | head -n 1000000; } >million.answers
start=$(date +%s%N)
run --batch million.answers
check "a million lines are not all read" test $(( ($(date +%s%N) - start) / 1000000 )) -lt 2000
check "and exit 0" test $status -eq 0

head -c 100000000 /dev/zero | tr '\0' 7 >long.answers
run --batch long.answers
check "a 100 MB line exits 2" test $status -eq 2
check "naming its line" grep -q 'long.answers 第 1 行超过' err.txt

printf '6\n3511206.399\n\nA\0B\n' >nul.answers
run --batch nul.answers
check "NUL bytes exit 2" test $status -eq 2
check "naming the line" grep -q 'nul.answers 第 4 行含有空字符' err.txt

printf '6\n\xC3\x28\n' >latin.answers
run --batch latin.answers
check "invalid UTF-8 exits 2" test $status -eq 2
check "naming the line" grep -q 'latin.answers 第 2 行不是有效的 UTF-8 文本' err.txt

mkdir folder.answers
run --batch folder.answers
check "a folder exits 2" test $status -eq 2
run --batch missing.answers
check "a missing file exits 2" test $status -eq 2
check "naming the reason" grep -q 'missing.answers：No such file or directory' err.txt

mkfifo endless
{ cat "$complete"; yes; } >endless &
run --batch endless
check "a pipe that never ends does not hold a finished run" test $status -eq 0
kill %1 2>/dev/null
mkfifo silent
{ cat "$complete"; sleep 30; } >silent &
run --batch silent
check "a pipe left open after the answers does not hang" test $status -eq 0
kill %2 2>/dev/null

# The EDM precision: within the limit exit 0, beyond it exit 3 with one message; the
# report text carries the grade check; the command line wins over a sheet's rows.
run --batch "$complete" --edm 2+2 --report graded.txt --pdf graded.pdf
check "a closure within its limit exits 0" test $status -eq 0
check "the PDF's appendix carries the grade check" \
  sh -c 'pdftotext graded.pdf - | grep -q 限差检核 && pdftotext graded.pdf - | grep -q "最弱边 S(5)"'
rm graded.pdf
check "and says nothing" test ! -s err.txt
check "the report text carries the grade check" grep -q '限差检核' graded.txt
check "and begins with the report as it was" cmp -s <(head -n "$(wc -l <expected.txt)" graded.txt) expected.txt
run --batch "$complete" --edm 0.1
check "a closure beyond its limit exits 3" test $status -eq 3
check "with one message naming the closure, limit and precision" \
  grep -q '闭合差 w = 2.32 秒，超过限差 ±.* 秒（测距精度 0.1 毫米 + 0 毫米/公里）' err.txt
check "in one line" test "$(wc -l <err.txt)" -eq 1
run --batch "$complete" --edm 2+2 --sheet graded.csv
check "the sheet keeps the precision" grep -q '^ma,2,' graded.csv
run --batch graded.csv --edm 0.1
check "--edm wins over the sheet's rows" test $status -eq 3
run --batch graded.csv
check "the sheet's rows judge a run of their own" test $status -eq 0
check "and its report carries the grade check" grep -q '测距精度 2 mm + 2 ppm' out.txt
for wrong in 2mm 0+0 -1 2+ 1001 1e-160 0+1e-160 2++2; do
  run --batch "$complete" --edm "$wrong"
  check "--edm $wrong exits 2" test $status -eq 2
  check "--edm $wrong is named" grep -q "测距精度 $wrong 不是 a+b 的形式" err.txt
done
sed 's/^ma,2,/ma,1e-160,/' graded.csv >fine.csv
run --batch fine.csv
check "a sheet's precision finer than any EDM exits 2" test $status -eq 2
check "naming its row and the bounds" grep -q 'fine.csv:[0-9]*: 测距精度 ma=1e-160、mb=2 不可用，应为 0 或 0.001 到 1000' err.txt
# The finest precision taken still prints every 1/T within its column, the weakest too.
run --batch "$complete" --edm 0.001
check "the finest precision gives a report" test -s out.txt
check "with 1/T in powers of ten within its column" \
  sh -c "grep -q '^   S(5) .* 1/8.09e8 最弱边\$' out.txt && grep -q '相对中误差 1/8.09e8\$' out.txt"
rm -f graded.csv fine.csv

# Bytes that are not UTF-8 in an argument are shown as \xNN, the message staying UTF-8.
run --batch "$complete" --edm $'2\xff'
check "a non-UTF-8 argument is refused" test $status -eq 2
check "and shown as \\xNN" grep -q '测距精度 2\\xFF 不是 a+b 的形式' err.txt
check "the message is UTF-8 throughout" iconv -f UTF-8 -t UTF-8 err.txt -o /dev/null
run --batch $'missing\xfe.answers'
check "a non-UTF-8 file name is shown as \\xNN" grep -q 'missing\\xFE.answers' err.txt

# A grade: its checks and verdict in the report, exit 3 when it is not met, exit 2 where
# it cannot be judged; the sheet's row 等级 and an office's own table of grades.
run --batch "$complete" --edm 2+2 --grade 四等 --pdf graded.pdf
check "a grade met exits 0" test $status -eq 0
check "and its verdict is in the report" grep -q '^   结论：符合四等$' out.txt
check "with the neighbouring points and the weakest pair" grep -q '^   最弱相邻点 P4—B (S(10))' out.txt
check "and the PDF's appendix carries them alike" \
  sh -c 'pdftotext graded.pdf - | grep -q 结论：符合四等 && pdftotext graded.pdf - | grep -q 最弱点'
run --batch "$complete" --edm 10+0 --grade 四等
check "a grade not met exits 3" test $status -eq 3
check "with one message naming the sides" \
  grep -q ': 不符合四等：测边相对中误差大于 1/100000 的边 S(4)、S(5)、S(11)$' err.txt
check "in one line" test "$(wc -l <err.txt)" -eq 1
run --batch "$complete" --grade 四等
check "a grade without an EDM precision exits 2" test $status -eq 2
check "and says it needs one" grep -q '按等级 四等 检核需要测距精度' err.txt
run --batch "$complete" --edm 2+2 --grade 五等
check "a grade the table lacks exits 2, naming the table's" grep -q '等级 五等 不在等级表中（二等、三等、四等、一级、二级）' err.txt
run --batch "$complete" --edm 10+0 --grade 四等 --sheet graded.csv
check "the sheet keeps the grade" grep -q '^等级,四等,' graded.csv
run --batch graded.csv
check "the sheet's grade judges a run of its own" test $status -eq 3
run --batch graded.csv --grade 二级
check "--grade wins over the sheet's row" test $status -eq 0
mkdir -p home/.config/central-polygon
printf '等级,平均边长 (km),测边相对中误差,最弱边边长相对中误差\r\n甲级,1,1/300000,1/40000\r\n' |
  iconv -f UTF-8 -t GBK >home/.config/central-polygon/grades.csv
run --batch "$complete" --edm 2+2 --grade 甲级
check "an office's table (GBK) replaces the standard's" test $status -eq 3
check "and judges by its limits" grep -q '测边相对中误差大于 1/300000' err.txt
run --batch "$complete" --edm 2+2 --grade 四等
check "a grade only the standard has is refused" grep -q '等级 四等 不在等级表中（甲级）' err.txt
printf '等级,平均边长 (km),测边相对中误差,最弱边边长相对中误差\n甲级,1,1/300000,1/40000\n乙级,1,1:40000,1/20000\n' \
  >home/.config/central-polygon/grades.csv
run --batch "$complete" --edm 2+2 --grade 甲级
check "a malformed row of the office's table exits 2" test $status -eq 2
check "naming the file and its line" grep -q 'grades.csv:3: 乙级 的限差 1:40000 不是 1/D 的分数' err.txt
rm -rf home/.config graded.pdf graded.csv

run --help
check "--help exits 0 with the usage" sh -c "test $status -eq 0 && grep -q -- '--batch' out.txt"
run --version
check "--version" grep -q '^central-polygon [0-9]' out.txt
run --batch
check "a usage error exits 2" test $status -eq 2

rm -rf folder.answers
unexpected=$(ls -A | grep -vxE '(out|err|expected|report|kept|graded)\.txt|report\.pdf|[a-z]+\.answers|endless|silent|home')
check "nothing written outside the chosen outputs" test -z "$unexpected"
check "a batch run keeps no journal" test -z "$(ls -A home)"

finish
