#include "converter/run_driver.h"

#include <new>
#include <optional>
#include <string_view>

#include "converter/output_placement.h"
#include "directives/line_loop.h"
#include "io/file.h"
#include "io/output_file.h"
#include "io/platform.h"

namespace vuq {
namespace {

constexpr std::string_view kRuleLine = "-------------------------------------";

void convert_source(const std::string& source_path, Report& report) {
  report.line({"Converting File ", source_path});
  std::optional<File> source = File::open_for_reading(source_path);
  if (!source) {
    report.error_message("ERROR: " + source_path + " NOT FOUND\n");
    return;
  }
  const FileIdentity& source_identity = source->info().identity;
  // Its lines name directives, so converting it would write more of them into itself.
  if (report.is_console_file(source_identity)) {
    report.error_line({"ERROR: SOURCE FILE ", source_path, " IS THE CONSOLE OUTPUT"});
    return;
  }
  std::optional<OpenedOutput> output = open_output_file(source_path, source_identity, report);
  if (!output) return;

  OutputFile out(output->file, output->path, report, output->file.info().identity);
  try {
    convert_lines(*source, source_path, out, report);
  } catch (const std::bad_alloc&) {
    // The memory of the failed line is free again once the loop has unwound, so the report
    // and the next source can go on.
    report.error_line({"ERROR: OUT OF MEMORY IN ", source_path});
  }
  report.line(kRuleLine);
  out.close();  // the output before the source
}

}  // namespace

void convert_sources(const std::vector<std::string>& source_paths, Report& report) {
  report.line("");
  report.line("VUQ TO HTML CONVERTER STARTED");
  report.line(kRuleLine);
  for (const std::string& source_path : source_paths) convert_source(source_path, report);
  report.line("WARNINGS : " + std::to_string(report.warning_count()) +
              "   ERRORS: " + std::to_string(report.error_count()));
  report.line("");
}

int run(int argc, const char* const* argv) {
  platform::prepare_standard_descriptors();
  std::vector<std::string> source_paths;
  for (int i = 1; i < argc; ++i) source_paths.emplace_back(argv[i]);
  StandardOutput console;
  Report report(console, StandardOutput::file_identity());
  convert_sources(source_paths, report);
  return 0;
}

}  // namespace vuq
