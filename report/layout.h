#pragma once

#include <optional>
#include <string>
#include <vector>

#include "printing.h"
#include "session.h"

// The printed report as a pure layout: lines of text items at tab columns, built from
// the session record alone. The printer layer puts these rows on pages.
namespace cp {

// The report of the last calculation, or nothing where none ran to its end.
std::optional<std::vector<ReportRow>> report_rows(const SessionRecord& record);

// What the report says instead of printing when there is no complete result.
std::string report_refusal();

// A row as plain text: each item at its column, CJK characters two columns wide.
std::string row_text(const ReportRow& row);

}  // namespace cp
