#include "command_line.h"

#include "fill.h"
#include "number_input.h"
#include "texts.h"

namespace cp {
namespace {

CommandLine wrong(std::string_view pattern, const std::string& argument) {
  return {.mode = CommandLine::Mode::Wrong,
          .wrong = text::fill_in(pattern, "{argument}", argument)};
}

std::optional<ExportKind> export_named(const std::string& option) {
  for (const ExportFormat& format : export_formats())
    if (format.option == option) return format.kind;
  return std::nullopt;
}

// --template N [--m 1|2 | --outside] OUT.csv, from the argument after --template on.
CommandLine template_line(const std::vector<std::string>& arguments, std::size_t i) {
  CommandLine line{.mode = CommandLine::Mode::Template};
  const auto n = i < arguments.size() ? read_double(arguments[i]) : std::nullopt;
  if (!n || !whole_triangle_count(*n))
    return wrong(text::kTemplateN, i < arguments.size() ? arguments[i] : "");
  line.template_n = static_cast<int>(*n);
  bool configured = false;
  for (++i; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if ((argument == "--m" || argument == "--outside") && configured)
      return wrong(text::kOptionTwice, argument);
    if (argument == "--outside") {
      line.template_m = Configuration::OutsideAzimuth;
      configured = true;
    } else if (argument == "--m") {
      const std::string m = i + 1 < arguments.size() ? arguments[++i] : "";
      if (m != "1" && m != "2") return wrong(text::kTemplateM, m);
      line.template_m = m == "1" ? Configuration::BOnRing : Configuration::BAtCentre;
      configured = true;
    } else if (argument.starts_with("-") && argument != "-") {
      return wrong(text::kUnknownOption, argument);
    } else if (line.template_path.empty()) {
      line.template_path = argument;
    } else {
      return wrong(text::kExtraArgument, argument);
    }
  }
  if (line.template_path.empty()) return wrong(text::kOptionWithoutValue, "--template");
  return line;
}

}  // namespace

std::vector<CommandLine::Output> CommandLine::outputs() const {
  std::vector<Output> out;
  if (report) out.push_back({"--report", *report});
  if (pdf) out.push_back({"--pdf", *pdf});
  for (const auto& [kind, path] : exports) out.push_back({export_format(kind).option, path});
  return out;
}

CommandLine read_command_line(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") return {.mode = CommandLine::Mode::Help};
    if (argument == "--version") return {.mode = CommandLine::Mode::Version};
    if (argument == "--template" && i == 0) return template_line(arguments, 1);
    std::optional<std::string>* value = nullptr;
    if (argument == "--batch") {
      line.mode = CommandLine::Mode::Batch;
      value = &line.answers;
    } else if (argument == "--pdf") {
      value = &line.pdf;
    } else if (argument == "--report") {
      value = &line.report;
    } else if (argument == "--table") {
      if (line.table) return wrong(text::kOptionTwice, argument);
      line.table = true;
      continue;
    } else if (argument == "--print") {
      if (line.print) return wrong(text::kOptionTwice, argument);
      line.print = true;
      continue;
    } else if (argument == "--edm") {
      if (line.edm) return wrong(text::kOptionTwice, argument);
      if (i + 1 == arguments.size()) return wrong(text::kEdmWithoutValue, argument);
      line.edm = read_edm_precision(arguments[++i]);
      if (!line.edm) return wrong(text::kEdmNotUnderstood, arguments[i]);
      continue;
    } else if (argument == "--grade") {
      if (line.grade) return wrong(text::kOptionTwice, argument);
      if (i + 1 == arguments.size()) return wrong(text::kGradeWithoutValue, argument);
      line.grade = arguments[++i];
      continue;
    } else if (const auto kind = export_named(argument)) {
      if (line.exports.contains(*kind)) return wrong(text::kOptionTwice, argument);
      if (i + 1 == arguments.size()) return wrong(text::kOptionWithoutValue, argument);
      line.exports[*kind] = arguments[++i];
      continue;
    } else if (argument.starts_with("-") && argument != "-") {
      return wrong(text::kUnknownOption, argument);
    } else if (!line.answers) {
      line.answers = argument;
      continue;
    } else {
      return wrong(text::kExtraArgument, argument);
    }
    if (i + 1 == arguments.size()) return wrong(text::kOptionWithoutValue, argument);
    if (*value) return wrong(text::kOptionTwice, argument);
    *value = arguments[++i];
  }
  const auto outputs = line.outputs();
  if (!outputs.empty() && line.mode != CommandLine::Mode::Batch)
    return wrong(text::kOutputWithoutBatch, std::string(outputs.front().option));
  if (line.edm && line.mode != CommandLine::Mode::Batch)
    return wrong(text::kOutputWithoutBatch, "--edm");
  if (line.grade && line.mode != CommandLine::Mode::Batch)
    return wrong(text::kOutputWithoutBatch, "--grade");
  if (line.print && line.mode != CommandLine::Mode::Batch)
    return wrong(text::kOutputWithoutBatch, "--print");
  if (line.table && line.mode != CommandLine::Mode::Window)
    return wrong(text::kTableWithBatch, "--table");
  return line;
}

}  // namespace cp
