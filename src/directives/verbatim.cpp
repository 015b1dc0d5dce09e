#include "directives/verbatim.h"

#include <string>

#include "converter/files.h"
#include "directives/line_reader.h"

namespace vuq {

void expand_exclude(std::string_view argument, OutputFile& out, Report& report) {
  if (argument.empty()) {
    report.message("VUQ_Exclude is empty\n");
    return;
  }
  out.write_line(argument);
  if (!out.failed()) report.line(std::string("VUQ_Exclude: ").append(argument));
}

void expand_import(std::string_view argument, OutputFile& out, Report& report) {
  if (argument.empty()) {
    report.error_message("ERROR: Filename parameter required in VUQ_Import\n");
    return;
  }
  const std::string name(argument);
  // A name cut short at a NUL byte would open some other file.
  if (name.find('\0') != std::string::npos) {
    report.error_line("ERROR: File " + name + " not found");
    return;
  }
  // Reading the file that is being written would copy its own lines back for ever.
  if (same_file(name, out.path())) {
    report.error_line("ERROR: File " + name + " is the output file");
    return;
  }
  InputFile imported;
  if (!imported.open(name)) {
    report.error_line("ERROR: File " + name + " not found");
    return;
  }
  ReadOutcome outcome = read_lines(imported.stream(), name, report, [&](std::string_view line) {
    out.write_line(line);
    return !out.failed();
  });
  if (outcome == ReadOutcome::ended) report.line("VUQ_Import: " + name + " Imported ");
}

}  // namespace vuq
