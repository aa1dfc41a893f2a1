#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exports.h"
#include "grade_check.h"
#include "session.h"

// What the program is asked to do by its command line:
//   central-polygon                      the window
//   central-polygon FILE                 the window, replaying an answers file or sheet
//   central-polygon --table [FILE.csv]   the window and the data table, filled from FILE
//   central-polygon --batch FILE [--edm A+B [--grade G]] [--print] [--pdf OUT.pdf]
//                   [--report OUT.txt]
//                   [--sheet OUT.csv] [--coordinates OUT.csv] [--dat OUT.dat]
//                   [--dxf OUT.dxf] [--gama OUT.xml]
//   central-polygon --template N [--m 1|2 | --outside] OUT.csv
//   central-polygon --help | --version
namespace cp {

struct CommandLine {
  enum class Mode { Window, Batch, Template, Help, Version, Wrong };
  Mode mode = Mode::Window;
  std::optional<std::string> answers = {};  // FILE
  std::optional<std::string> pdf = {};
  std::optional<std::string> report = {};
  std::map<ExportKind, std::string> exports = {};
  bool print = false;  // --print: the report on the default printer too
  bool table = false;  // --table: FILE fills the data table, and nothing is calculated
  std::optional<EdmPrecision> edm = {};   // --edm A+B: the work is judged against it
  std::optional<std::string> grade = {};  // --grade G: and against the limits of that grade
  std::string wrong = {};                 // what was wrong, for Mode::Wrong
  // Mode::Template: a blank sheet for N triangles in a configuration, written to OUT.
  int template_n = 0;
  Configuration template_m = Configuration::BOnRing;
  std::string template_path = {};

  // The files a batch run writes, each with the option that names it.
  struct Output {
    std::string_view option;
    std::string path;
  };
  std::vector<Output> outputs() const;
};

CommandLine read_command_line(const std::vector<std::string>& arguments);

}  // namespace cp
