#pragma once

#include <QString>

namespace cp::testing_support {

// Text read back from a PDF, as it was written: Noto CJK glyphs read back as
// compatibility ideographs or radicals. NFKC turns the former back; the radical of 长
// has no decomposition and is mapped by hand.
inline QString readable_pdf_text(const QString& text) {
  QString readable = text.normalized(QString::NormalizationForm_KC);
  readable.replace(QChar(0x2ED3), QChar(0x957F));
  return readable;
}

}  // namespace cp::testing_support
