#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ports.h"
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
  std::string_view shortcut;   // the window's key for it
  bool needs_complete;         // written from the last complete calculation only
};

const std::vector<ExportFormat>& export_formats();
// The format of a kind; a kind the table lacks is a fault of the program
// (std::invalid_argument), never another format silently.
const ExportFormat& export_format(ExportKind kind);

// Whether the window has something to save in the format: a run with N entered for the
// sheet, a complete calculation for the others. The menu's entries and the save command
// both ask it.
bool export_available(const ExportFormat& format, const Session& session);

// The save command of the window: asks where, through the chooser, and writes the file
// whole or not at all: the sheet of the last run, the others from the last complete
// calculation. Before there is anything to save, and where writing fails, a message
// says so. `may_replace` is asked before a file not to lose is written over.
void save_export(ExportKind kind, const Session& session, FileChooser& chooser, Message& message,
                 const std::function<bool(const std::string&)>& may_replace);

// The bytes of the file: the sheet from the run as far as it was entered, the others
// from a complete calculation. Throws ExchangeError where the format cannot hold the
// data (a point file name with a comma, a name with no GBK form).
std::string export_bytes(ExportKind kind, const SessionRecord& record);

}  // namespace cp
