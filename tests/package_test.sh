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
for path in ./usr/bin/central-polygon ./usr/share/applications/central-polygon.desktop \
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
echo "package_test: $(basename "$deb") holds, validates, installs and runs"
