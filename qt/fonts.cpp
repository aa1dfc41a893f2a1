#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace cp {
namespace {

QString first_installed(const QStringList& wanted, const QString& otherwise) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return otherwise;
}

QString any_cjk_face() {
  const QStringList cjk = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  return cjk.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                       : cjk.first();
}

QString family_for(Face face) {
  if (face == Face::Song) {
    static const QString song =
        first_installed({QStringLiteral("宋体"), "SimSun", "Noto Serif CJK SC", "Noto Sans CJK SC"},
                        any_cjk_face());
    return song;
  }
  static const QString sans =
      first_installed({"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans"},
                      QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
  return sans;
}

}  // namespace

QFont layout_font(Face face, double points, bool bold) {
  QFont font(family_for(face));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace cp
