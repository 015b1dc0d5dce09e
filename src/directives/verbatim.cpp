#include "directives/verbatim.h"

#include <optional>
#include <string>

#include "io/file.h"
#include "io/line_reader.h"

namespace vuq {

void expand_exclude(std::string_view argument, OutputFile& out, Report& report) {
  if (argument.empty()) {
    report.message("VUQ_Exclude is empty\n");
    return;
  }
  out.write_line(argument);
  if (!out.failed()) report.line({"VUQ_Exclude: ", argument});
}

void expand_import(std::string_view argument, OutputFile& out, Report& report) {
  if (argument.empty()) {
    report.error_message("ERROR: Filename parameter required in VUQ_Import\n");
    return;
  }
  const std::string name(argument);
  // A name cut short at a NUL byte would open some other file.
  std::optional<File> imported;
  if (name.find('\0') == std::string::npos) imported = File::open_for_reading(name);
  if (!imported) {
    report.error_line({"ERROR: File ", name, " not found"});
    return;
  }
  // Reading a file that is being written would copy its own lines back for ever.
  if (out.is_file(imported->info().identity)) {
    report.error_line({"ERROR: File ", name, " is the output file"});
    return;
  }
  if (report.is_console_file(imported->info().identity)) {
    report.error_line({"ERROR: File ", name, " is the console output"});
    return;
  }
  ReadOutcome outcome = read_lines(*imported, name, report, [&](std::string_view line) {
    out.write_line(line);
    return !out.failed();
  });
  if (outcome == ReadOutcome::ended) report.line({"VUQ_Import: ", name, " Imported "});
}

}  // namespace vuq
