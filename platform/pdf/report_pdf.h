#pragma once

#include <string>

#include "printing.h"

// The report as a PDF file, drawn with cairo and pango. Each piece of text goes into the
// file with the characters it was drawn from, so the file's text layer is the text
// printed: a search for 中心 or a point name finds it, and a name copied out of the file
// is the name typed, even where the font draws two characters (心 and the radical ⼼) with
// one glyph.
namespace cp {

// The whole file in memory, or why it could not be drawn.
PdfBytes render_report_pdf(const ReportDocument& document);

}  // namespace cp
