#include "converter/run_driver.h"

#include <optional>
#include <string_view>

#include "converter/files.h"
#include "converter/output_file.h"
#include "converter/output_placement.h"
#include "directives/line_loop.h"

namespace vuq {
namespace {

constexpr std::string_view kRuleLine = "-------------------------------------";

void convert_source(const std::string& source_path, Report& report) {
  report.line("Converting File " + source_path);
  InputFile source;
  if (!source.open(source_path)) {
    report.error_message("ERROR: " + source_path + " NOT FOUND\n");
    return;
  }
  std::optional<OpenedOutput> output = open_output_file(source_path, report);
  if (!output) return;

  OutputFile out(output->stream, output->path, report);
  convert_lines(source.stream(), source_path, out, report);
  report.line(kRuleLine);
  // The output is closed before the source; a failure that only shows now is reported as well.
  output->stream.close();
  if (output->stream.fail()) out.record_failure();
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

int run(int argc, const char* const* argv, std::ostream& console) {
  std::vector<std::string> source_paths;
  for (int i = 1; i < argc; ++i) source_paths.emplace_back(argv[i]);
  Report report(console);
  convert_sources(source_paths, report);
  return 0;
}

}  // namespace vuq
