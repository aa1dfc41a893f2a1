#include "exports.h"

#include "exchange_error.h"
#include "exchange_texts.h"
#include "fill.h"
#include "polygon_sheet.h"
#include "results.h"
#include "text_encoding.h"
#include "texts.h"

namespace cp {
namespace {

// The point file is GBK, as CAD on Chinese Windows reads it: a name that GBK cannot
// write is said, not replaced.
std::string point_file_gbk(const SessionRecord& record) {
  const std::string text = cass_points(record);
  if (auto gbk = utf8_to_gbk(text)) return std::move(*gbk);
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end - start);
    if (!utf8_to_gbk(line)) {
      throw ExchangeError{
          text::fill_in(exchange_text::kNameNotGbk, "{name}", line.substr(0, line.find(',')))};
    }
    start = end == std::string::npos ? text.size() : end + 1;
  }
  throw ExchangeError{text::fill_in(exchange_text::kNameNotGbk, "{name}", "")};
}

}  // namespace

const std::vector<ExportFormat>& export_formats() {
  using namespace text;
  static const std::vector<ExportFormat> formats{
      {ExportKind::Sheet, "--sheet", ".csv", kMenuSaveSheet, kFilterSheet, false},
      {ExportKind::Coordinates, "--coordinates", ".csv", kMenuCoordinates, kFilterCoordinates,
       true},
      {ExportKind::PointFile, "--dat", ".dat", kMenuPointFile, kFilterPointFile, true},
      {ExportKind::Dxf, "--dxf", ".dxf", kMenuDxf, kFilterDxf, true},
      {ExportKind::Gama, "--gama", ".xml", kMenuGama, kFilterGama, true},
  };
  return formats;
}

const ExportFormat& export_format(ExportKind kind) {
  for (const ExportFormat& format : export_formats())
    if (format.kind == kind) return format;
  return export_formats().front();
}

std::string export_bytes(ExportKind kind, const SessionRecord& record) {
  switch (kind) {
    case ExportKind::Sheet: return sheet_text(record);
    case ExportKind::Coordinates: return coordinates_csv(record);
    case ExportKind::PointFile: return point_file_gbk(record);
    case ExportKind::Dxf: return network_dxf(record);
    case ExportKind::Gama: return gama_xml(record);
  }
  return {};
}

}  // namespace cp
