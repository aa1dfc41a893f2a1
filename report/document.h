#pragma once

#include <optional>

#include "printing.h"
#include "session.h"

// Everything the print command puts on paper: the report, then the appendix of every
// point's precision with the network drawn to scale.
namespace cp {

// The size of the drawing's box on the appendix page, millimetres.
inline constexpr double kDrawingWidth = 150;
inline constexpr double kDrawingHeight = 150;

// The document of the last calculation, or nothing where none ran to its end.
std::optional<ReportDocument> report_document(const SessionRecord& record);

// The report as text: its rows, then the grade check's where there is one, as the
// document has them; nothing drawn and no name placed, for a run that prints no page.
// Nothing where no calculation ran to its end.
std::optional<std::vector<ReportRow>> report_text_rows(const SessionRecord& record);

}  // namespace cp
