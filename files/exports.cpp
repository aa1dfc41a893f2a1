#include "exports.h"

#include <stdexcept>
#include <string>

#include "exchange_error.h"
#include "exchange_texts.h"
#include "fill.h"
#include "output_file.h"
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
      {ExportKind::Sheet, "--sheet", ".csv", kMenuSaveSheet, kFilterSheet, "Ctrl+S", false},
      {ExportKind::Coordinates, "--coordinates", ".csv", kMenuCoordinates, kFilterCoordinates,
       "Ctrl+E", true},
      {ExportKind::PointFile, "--dat", ".dat", kMenuPointFile, kFilterPointFile, "Ctrl+D", true},
      {ExportKind::Dxf, "--dxf", ".dxf", kMenuDxf, kFilterDxf, "Ctrl+Shift+D", true},
      {ExportKind::Gama, "--gama", ".xml", kMenuGama, kFilterGama, "Ctrl+G", true},
  };
  return formats;
}

const ExportFormat& export_format(ExportKind kind) {
  for (const ExportFormat& format : export_formats())
    if (format.kind == kind) return format;
  throw std::invalid_argument("export_format: unknown kind " +
                              std::to_string(static_cast<int>(kind)));
}

namespace {

// The record a format is written from: the run as far as it was entered for the sheet,
// the last complete calculation for the others.
const SessionRecord& export_source(const ExportFormat& format, const Session& session) {
  return format.needs_complete ? session.last_complete : session.record;
}

}  // namespace

bool export_available(const ExportFormat& format, const Session& session) {
  const SessionRecord& record = export_source(format, session);
  return format.needs_complete ? record.complete : record.N != 0;
}

void save_export(ExportKind kind, const Session& session, FileChooser& chooser, Message& message,
                 const std::function<bool(const std::string&)>& may_replace) {
  const ExportFormat& format = export_format(kind);
  const SessionRecord& record = export_source(format, session);
  if (!export_available(format, session)) {
    message.show(
        std::string(format.needs_complete ? text::kNothingToExport : text::kNothingEntered));
    return;
  }
  const auto path = chooser.save_path(std::string(text::kProgramTitle) + std::string(format.suffix),
                                      format.filter);
  if (!path || (may_replace && !may_replace(*path))) return;
  try {
    OutputFile file(*path);
    file.write(export_bytes(kind, record));
    file.commit();
  } catch (const OutputError& error) {
    message.show(
        text::fill_in(text::kExportFailed, {{"{path}", *path}, {"{reason}", error.reason}}));
  } catch (const ExchangeError& error) {
    message.show(
        text::fill_in(text::kExportFailed, {{"{path}", *path}, {"{reason}", error.message}}));
  }
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
