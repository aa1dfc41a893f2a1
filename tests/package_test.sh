#!/usr/bin/env bash
# Checks the Debian package: what it holds, its metainfo, its dependencies, that apt can
# install it here, and that the packaged program runs a calculation.
# Usage: package_test.sh PACKAGE.deb GOLDEN_DIR
set -euo pipefail
deb=$1
golden=$2
fail() { echo "package_test: $*" >&2; exit 1; }

[[ $(basename "$deb") =~ ^central-polygon_[0-9.]+_amd64\.deb$ ]] || fail "unexpected name $deb"
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/central-polygon ./usr/lib/central-polygon/central-polygon-window \
  ./usr/lib/central-polygon/central-polygon-report.so ./usr/share/applications/central-polygon.desktop \
  ./usr/share/icons/hicolor/scalable/apps/central-polygon.svg \
  ./usr/share/mime/packages/central-polygon-answers.xml \
  ./usr/share/metainfo/cn.survey.central_polygon.metainfo.xml; do
  grep -q " $path\$" <<<"$contents" || fail "missing $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libcups2 fonts-noto-cjk qt6-translations-l10n; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
appstreamcli validate --no-net "$work/usr/share/metainfo/cn.survey.central_polygon.metainfo.xml" >/dev/null ||
  fail "the metainfo does not validate"
apt-get install --simulate --no-install-recommends "$(realpath "$deb")" >/dev/null ||
  fail "apt cannot install the package here"

QT_QPA_PLATFORM=offscreen "$work/usr/bin/central-polygon" --version | grep -q '^central-polygon ' ||
  fail "the packaged program does not start"
QT_QPA_PLATFORM=offscreen "$work/usr/bin/central-polygon" --batch "$golden/n6_b_on_ring.answers" \
  --pdf "$work/report.pdf" >"$work/report.txt" 2>"$work/err" || fail "the packaged program's batch run failed"
[ ! -s "$work/err" ] || fail "the packaged program wrote to stderr: $(cat "$work/err")"
grep -q "中心多边形三边平差" "$work/report.txt" || fail "the packaged program printed no report"
pdftotext "$work/report.pdf" - | grep -q "点位精度与误差椭圆" || fail "the packaged PDF has no appendix"

# The program on the PATH links no window and no PDF writer: a text run loads neither;
# the PDF writer's module is loaded where a run writes pages.
needed=$(readelf -d "$work/usr/bin/central-polygon" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
if grep -qiE 'qt|pango|cairo|cups' <<<"$needed"; then fail "central-polygon links $(tr '\n' ' ' <<<"$needed")"; fi
loaded() { LD_DEBUG=files "$work/usr/bin/central-polygon" "$@" 2>&1 >/dev/null | grep -c 'calling init:.*report.so' || true; }
[ "$(loaded --batch "$golden/n6_b_on_ring.answers")" -eq 0 ] || fail "a text run loads the PDF writer"
[ "$(loaded --batch "$golden/n6_b_on_ring.answers" --pdf "$work/again.pdf")" -ge 1 ] ||
  fail "a run with --pdf does not load the PDF writer's module"
# Without a batch command line it hands over to the window program, which stays open.
status=0
QT_QPA_PLATFORM=offscreen HOME=$work timeout 3 "$work/usr/bin/central-polygon" 2>"$work/err" || status=$?
[ "$status" -eq 124 ] && [ ! -s "$work/err" ] ||
  fail "the packaged window did not start (status $status): $(cat "$work/err")"
echo "package_test: $(basename "$deb") holds, validates, installs and runs"
