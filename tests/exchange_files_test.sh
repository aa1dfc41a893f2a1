#!/usr/bin/env bash
# The exchange files of real batch runs: each read back by an independent reader, the
# polygon sheet taken back to the same report as Excel and WPS save it again, and every
# sheet that cannot be read refused with a message naming the row.
checker=$(realpath "$(dirname "$0")/exchange_check.py")
spreadsheet_check=$(realpath "$(dirname "$0")/spreadsheet_check.py")
source "$(dirname "$0")/batch_scratch.sh"
exports="--coordinates c.csv --dat p.dat --dxf n.dxf --gama g.xml"

mkdir -p spreadsheet/written spreadsheet/reports
for case in n6_b_on_ring n6_b_at_centre n6_outside_q1 n6_outside_q2 n6_outside_q3; do
  run --batch "$golden/$case.answers" --report report.txt --sheet sheet.csv $exports
  check "$case: all five files written" test $status -eq 0 -a -s sheet.csv -a -s c.csv -a -s p.dat -a -s n.dxf -a -s g.xml
  check "$case: read back and re-adjusted" "$checker" report.txt c.csv p.dat n.dxf g.xml
  run --batch sheet.csv
  check "$case: its sheet gives the same report" cmp -s out.txt report.txt
  check "$case: and nothing on stderr" test ! -s err.txt
  cp sheet.csv "spreadsheet/written/$case-sheet.csv"
  cp c.csv "spreadsheet/written/$case-coordinates.csv"
  cp report.txt "spreadsheet/reports/$case.txt"
done

# The blank sheet of each configuration, filled in with the golden's values by label,
# computes to the golden's report.
fill_in() {  # fill_in SHEET TEMPLATE: the template with the sheet's values
  awk -F, -v OFS=, 'NR == FNR { sub(/\r$/, ""); if ($1 == "点") name[$2] = $3; else value[$1] = $2; next }
    { sub(/\r$/, "") }
    $1 == "点" && ($2 in name) { $3 = name[$2] }
    $1 != "点" && ($1 in value) && NF >= 3 { $2 = value[$1] }
    { print $0 "\r" }' "$1" "$2"
}
for case in "n6_b_on_ring --m 1" "n6_b_at_centre --m 2" "n6_outside_q1 --outside" \
  "n6_outside_q2 --outside" "n6_outside_q3 --outside"; do
  set -- $case
  run --template 6 "$2" ${3:-} blank.csv
  check "$1: a blank sheet is written" test $status -eq 0 -a -s blank.csv
  fill_in "spreadsheet/written/$1-sheet.csv" blank.csv >filled.csv
  run --batch filled.csv
  check "$1: filled in, it gives the golden's report" cmp -s out.txt "spreadsheet/reports/$1.txt"
done

# Names a spreadsheet would take for a formula or a number, and names that need quoting,
# in every file; and names DXF TEXT would read as codes.
run --batch "$golden/n6_outside_q2.answers" --sheet sheet.csv
sed -e 's/^点,0,A/点,0,@x/; s/^点,1,P1/点,1,001/; s/^点,2,P2/点,2,2E3/; s/^点,3,P3/点,3,=1+2/' \
  -e 's/^点,4,P4/点,4,+5/; s/^点,5,P5/点,5,-3/; s/^点,6,P6/点,6,"a,b"/; s/^点,7,A/点,7,"""q"""/' \
  sheet.csv >typed.csv
run --batch typed.csv --report report.txt --sheet names.csv --coordinates c.csv --dxf n.dxf --gama g.xml
check "names like 001, =1+2 and \"q\" run through" test $status -eq 0
cp names.csv spreadsheet/written/names-sheet.csv
cp c.csv spreadsheet/written/names-coordinates.csv
cp report.txt spreadsheet/reports/names.txt
run --batch names.csv
check "the program reads its own sheet of them back" cmp -s out.txt report.txt
sed -e 's/^点,1,P1/点,1,a\\b/; s/^点,2,P2/点,2,%%d/; s/^点,3,P3/点,3,\\U+4E2D/; s/^点,4,P4/点,4,青龙山/' \
  -e 's/^点,5,P5/点,5,^J 50%/' sheet.csv >cad.csv
run --batch cad.csv --report report.txt $exports
check "names with a backslash, %%d, \\U+4E2D, a caret and Chinese run through" test $status -eq 0
check "and CAD reads each name back as typed" "$checker" report.txt c.csv p.dat n.dxf g.xml

# A name no format can hold a character of is refused by that format, naming the point
# and the character, and nothing of the run is written.
sed 's/^点,2,P2/点,2,"P\r\n0\r\nEOF"/' sheet.csv >break.csv
for format in --dxf --dat --gama; do
  run --batch break.csv --coordinates kept.csv $format broken
  check "a line break in a name: $format exits 2" test $status -eq 2
  check "a line break in a name: $format names the point and the character" grep -q '第 2 点的点名 P␍␊0␍␊EOF 含有换行符 (U+000D)' err.txt
  check "a line break in a name: $format writes nothing" test ! -e broken -a ! -e kept.csv
done
printf '%s\n' "$(sed 's/^点,2,P2/点,2,P\x1b2/' sheet.csv)" >escape.csv
run --batch escape.csv --gama broken
check "ESC in a name is refused by the Gama file" grep -q '第 2 点的点名 P␛2 含有控制字符 (U+001B)，不能写入 GNU Gama 文件' err.txt

# The sheets and coordinate tables through a real spreadsheet: LibreOffice imports each as
# UTF-8, saves it as xlsx and that again as CSV; every cell comes back, and each sheet
# gives its report again.
(cd spreadsheet/written && soffice --headless --infilter=CSV:44,34,76,1 --convert-to xlsx \
  --outdir ../xlsx ./*.csv >/dev/null 2>&1)
soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' \
  --outdir spreadsheet/back spreadsheet/xlsx/*.xlsx >/dev/null 2>&1
for written in spreadsheet/written/*.csv; do
  name=$(basename "$written" .csv)
  check "$name through LibreOffice: every cell as written" \
    "$spreadsheet_check" "$written" "spreadsheet/back/$name.csv"
  if [[ $name == *-sheet ]]; then
    run --batch "spreadsheet/back/$name.csv"
    check "$name through LibreOffice: the same report" cmp -s out.txt "spreadsheet/reports/${name%-sheet}.txt"
  fi
done

# Every golden that completes: its Gama file read by the real gama-local (GAMA_LOCAL), no
# error, and the adjusted coordinates the program's within 0.1 mm.
if [ -n "${GAMA_LOCAL:-}" ]; then
  for answers in "$golden"/*.answers; do
    name=$(basename "$answers" .answers)
    run --batch "$answers" --report report.txt $exports
    [ $status -eq 0 ] || continue
    check "$name: gama-local takes its Gama file and agrees" "$checker" report.txt c.csv p.dat n.dxf g.xml
  done
  # The mean errors of the adjusted sides and of neighbouring points relative to each
  # other with b = 0: gama-local, given that same standard deviation a priori for every
  # distance, gives them again from its covariance matrix of the coordinates.
  case=grade_fixed_error_b_at_centre
  run --batch "$golden/$case.answers" --gama g.xml
  sed 's/sigma-act="aposteriori"/sigma-act="apriori"/' g.xml >apriori.xml
  "$GAMA_LOCAL" apriori.xml --text gama.txt --xml gama.xml --cov-band -1 >/dev/null 2>&1
  check "$case: gama-local gives each adjusted side's mean error" \
    "$(dirname "$checker")/grade_gama_check.py" "$golden/$case.transcript" gama.xml
  check "$case: gama-local gives each pair of neighbouring points' relative precision" \
    "$(dirname "$checker")/neighbour_gama_check.py" "$golden/$case.transcript" gama.xml
else
  check "GAMA_LOCAL names the gama-local to check the Gama files with" false
fi

# The sheet as office programs save it again: GBK, every field quoted, LF, extra rows
# and columns; and point names in Chinese, with a comma, quotes, blanks and a hash.
run --batch "$golden/n6_b_on_ring.answers" --sheet sheet.csv --report report.txt
tail -c +4 sheet.csv | iconv -f UTF-8 -t GBK >gbk.csv
run --batch gbk.csv
check "a GBK sheet gives the same report" cmp -s out.txt report.txt
tail -c +4 sheet.csv | tr -d '\r' | sed 's/[^,]*/"&"/g; s/$/,,/; a\
' >quoted.csv
run --batch quoted.csv
check "a quoted sheet with LF and empty rows and columns gives the same report" cmp -s out.txt report.txt
sed 's/^点,1,P1/点,1,马家湾/; s/^点,2,P2/点,2,"青龙, 山"/; s/^点,3,P3/点,3," 三""角""点 "/; s/^点,4,P4/点,4,#4/' \
  sheet.csv >names.csv
run --batch names.csv --sheet names-again.csv --report names.txt
check "names that need quoting run through" test $status -eq 0
check "and survive the round trip" cmp -s <(grep '^点,' names.csv) <(grep '^点,' names-again.csv)
check "the report holds them" grep -q '青龙, 山 :' names.txt
run --batch names.csv --dat p.dat
check "a name with a comma is refused by the point file" grep -q '点名 青龙, 山 含有逗号' err.txt
sed 's/^点,2,"青龙, 山"/点,2,青龙山/' names.csv >chinese.csv
run --batch chinese.csv --report chinese.txt $exports
check "Chinese names read back from every export" "$checker" chinese.txt c.csv p.dat n.dxf g.xml

# A value the dialogue refuses names the sheet's row and label, and ends the run.
sed 's/^S(3),[0-9.]*,/S(3),-5,/' sheet.csv >refused.csv
run --batch refused.csv --sheet refused-again.csv
check "a refused value exits 1" test $status -eq 1
check "naming its row and label" grep -q '^refused.csv:22: S(3): 边长 S(3) 必须大于零，请重新输入$' err.txt
check "in one line" test "$(wc -l <err.txt)" -eq 1
check "the sheet of the run keeps what was entered" grep -q '^S(2),' refused-again.csv

# A triangle that cannot close is placed at the row of its first side.
run --batch "$golden/no_triangle.answers" --sheet no-triangle.csv
run --batch no-triangle.csv
check "a triangle's fault names the row of its first side" \
  grep -q '^no-triangle.csv:21: S(1): 第 1 个三角形的边长 S(1)=10、S(2)=50、S(3)=10 不能构成三角形' err.txt

# Sheets that cannot be read: exit 2, one line naming the sheet and the row.
refused() {  # refused NAME FILE PATTERN
  run --batch "$2"
  check "$1 exits 2" test $status -eq 2
  check "$1 says so" grep -q -- "$3" err.txt
}
: >empty.csv
refused "an empty sheet" empty.csv '^empty.csv: 数据表缺少 N 一行$'
printf 'N,6\nXa,1\0\n' >nul.csv
refused "a NUL byte" nul.csv '^nul.csv:2: 含有空字符'
printf 'N,\xff\xff\xfe\n' >binary.csv
refused "neither UTF-8 nor GBK" binary.csv '^binary.csv: 既不是 UTF-8、GBK 也不是 UTF-16 文本'
mkdir folder.csv
refused "a folder" folder.csv '^folder.csv: 是一个文件夹'
head -c 17000000 /dev/zero | tr '\0' 7 >huge.csv
refused "a huge file" huge.csv '^huge.csv: 超过 16777216 字节'
mkfifo endless.csv
yes 'N,6' >endless.csv &
refused "a pipe that never ends" endless.csv '^endless.csv: 超过'
kill %1 2>/dev/null
sed 's/^Ya,/Ya,,/; s/^N,6,/N,six,/' sheet.csv >word.csv
refused "a value that is no number" word.csv '^word.csv:3: N 的值 six 不是数值$'
sed 's/^Xb,/Xa,/' sheet.csv >twice.csv
refused "a repeated label" twice.csv '^twice.csv:6: Xa 重复出现$'

run --batch sheet.csv --report sheet.csv
check "a sheet as its own output is refused, called a sheet" grep -q -- '--report sheet.csv 就是数据表 sheet.csv' err.txt

# Sheets as spreadsheets save them otherwise: Excel's "Unicode text" (UTF-16 with tabs)
# is read; a semicolon sheet and a workbook are refused with the way to save them.
run --batch "$golden/n6_b_on_ring.answers" --sheet sheet.csv --report report.txt
tail -c +4 sheet.csv | tr ',' '\t' | iconv -f UTF-8 -t UTF-16LE | { printf '\xFF\xFE'; cat; } >unicode.csv
run --batch unicode.csv
check "a UTF-16 tab-separated sheet gives the same report" cmp -s out.txt report.txt
tr ',' ';' <sheet.csv >semicolon.csv
refused "a semicolon sheet" semicolon.csv '^semicolon.csv:2: 各列不是以逗号分隔的：请在 Excel 或 WPS 中“另存为”“CSV UTF-8（逗号分隔）”$'
cp spreadsheet/xlsx/n6_b_on_ring-sheet.xlsx workbook.csv
refused "a workbook named .csv" workbook.csv '^workbook.csv: 是 Excel 或 WPS 的工作簿，不是 CSV 文件'

# Rows that are there but wrong: a decimal comma shifts a side's row, and a centre and a
# closing point swapped disagree with their roles.
sed 's/^S(3),1139.527,/S(3),1139,527,/' sheet.csv >comma.csv
refused "a decimal comma" comma.csv '^comma.csv:22: S(3) 多出一个数值 527，小数点是否写成了逗号？$'
sed 's/^点,5,C,中心点/点,5,B,闭合点 B/; s/^点,6,B,闭合点 B/点,6,C,中心点/' sheet.csv >swapped.csv
refused "a centre and B swapped" swapped.csv '^swapped.csv:16: 点 5 按三角形个数和已知数据是中心点，这一行的类别却是 闭合点 B'
sed 's/^Xa,3511206.399,/Xa,3511206,399,/' sheet.csv >xa-comma.csv
refused "a decimal comma in Xa, not A moved by 0.399 m" xa-comma.csv \
  '^xa-comma.csv:4: Xa 多出一个数值 399，小数点是否写成了逗号？$'
sed 's/^Yb,\([^,]*\),.*/Yb,\1,5/' sheet.csv >yb-comma.csv
refused "a decimal comma in Yb without its note" yb-comma.csv '^yb-comma.csv:7: Yb 多出一个数值 5，'

# Memory follows the polygon, not the file: 16 MB of blank lines, a 10 MB cell.
head -c 16000000 /dev/zero | tr '\0' '\n' >blank.csv
# (AddressSanitizer's shadow memory would count too: its build checks the message only.)
peak=$(/usr/bin/time -f %M timeout 60 "$program" --batch blank.csv 2>err.txt >/dev/null; tail -n 1 err.txt)
if [ "${CP_SANITIZED:-0}" != 1 ]; then
  check "a 16 MB sheet of blank lines in under 100 MB (peak ${peak} kB)" test "$peak" -lt 100000
fi
check "a 16 MB sheet of blank lines misses its rows" grep -q '^blank.csv: 数据表缺少 N 一行$' err.txt
# Sheets of every shape up to the size limit read in under 2 s and 100 MB: commas after a
# name (read as the sheet), commas then one more cell in a value row (refused, naming
# it), and a note of doubled quotes.
python3 - <<'SHAPES'
sheet = open("sheet.csv", encoding="utf-8-sig").read().split("\n")
def written(name, row_start, extra):
    rows = [row + extra if row.startswith(row_start) else row for row in sheet]
    open(name, "w", encoding="utf-8-sig").write("\n".join(rows))
written("commas.csv", "点,3,", "," * 16_000_000)
written("far-commas.csv", "Xa,", "," * 16_000_000 + "far")
written("quotes.csv", "Xa,", ',"' + '""' * 8_000_000 + '"')
SHAPES
for shape in commas far-commas quotes; do
  /usr/bin/time -f '%e %M' -o usage.txt timeout 60 "$program" --batch $shape.csv >out.txt 2>err.txt
  read -r seconds peak < <(tail -n 1 usage.txt)
  if [ "${CP_SANITIZED:-0}" != 1 ]; then
    check "$shape: 16 MB in under 2 s and 100 MB (${seconds} s, ${peak} kB)" \
      awk "BEGIN { exit !($seconds < 2 && $peak < 100000) }"
  fi
done
timeout 60 "$program" --batch commas.csv >out.txt 2>err.txt
check "commas after a name: the same report" cmp -s out.txt report.txt
timeout 60 "$program" --batch far-commas.csv >out.txt 2>err.txt
check "a cell far to the right of a value row is refused, named" \
  grep -q '^far-commas.csv:4: Xa 一行多出一栏 far，小数点是否写成了逗号？$' err.txt
{ printf 'N,'; head -c 10000000 /dev/zero | tr '\0' 7; printf 'x\n'; } >cell.csv
refused "a 10 MB cell" cell.csv '^cell.csv:1: N 的值 7\{40\}… 不是数值$'

# Exports only from a complete calculation; an output that cannot be written is said.
run --batch "$golden/refusals.answers" --sheet partial.csv --coordinates none.csv
check "an ended run exits 1" test $status -eq 1
check "and writes its sheet" test -s partial.csv
check "but no results" test ! -e none.csv
run --batch "$golden/n6_b_on_ring.answers" --dxf /nonexistent/n.dxf
check "an unwritable export exits 2" test $status -eq 2
check "naming the path and the reason" grep -q '/nonexistent/n.dxf.*No such file or directory' err.txt
run --batch "$golden/n6_b_on_ring.answers" --gama sheet.csv --sheet ./sheet.csv
check "two exports naming one file exit 2" test $status -eq 2

finish
