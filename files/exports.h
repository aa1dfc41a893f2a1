#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "session.h"

// The files a calculation can be saved as, in one table: the batch options, the window's
// menu and the save dialogs all read it.
namespace cp {

enum class ExportKind { Sheet, Coordinates, PointFile, Dxf, Gama };

struct ExportFormat {
  ExportKind kind;
  std::string_view option;     // the batch option: --sheet
  std::string_view suffix;     // of the file name: .csv
  std::string_view menu_text;  // the window's menu entry
  std::string_view filter;     // the save dialog's file type
  bool needs_complete;         // written from the last complete calculation only
};

const std::vector<ExportFormat>& export_formats();
const ExportFormat& export_format(ExportKind kind);

// The bytes of the file: the sheet from the run as far as it was entered, the others
// from a complete calculation. Throws ExchangeError where the format cannot hold the
// data (a point file name with a comma, a name with no GBK form).
std::string export_bytes(ExportKind kind, const SessionRecord& record);

}  // namespace cp
