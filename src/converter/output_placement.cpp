#include "converter/output_placement.h"

#include <cstdlib>

#include "converter/files.h"
#include "converter/fixed_names.h"

namespace vuq {

std::string output_path_for(std::string_view source_path) {
  std::string_view stem = source_path.substr(0, source_path.rfind('.'));
  std::string path(output_directory);
  path.append(stem);
  path.append(".html");
  return path;
}

std::string directory_command() {
  // The directory's name is output_directory less the two characters at its first "/".
  std::string name(output_directory);
  std::size_t slash = name.find('/');
  if (slash != std::string::npos) name.erase(slash, 2);
  return "mkdir " + name;
}

std::optional<OpenedOutput> open_output_file(const std::string& source_path, Report& report) {
  OpenedOutput output;
  output.path = output_path_for(source_path);
  // Opening for writing empties the file, so this must come first.
  if (same_file(source_path, output.path)) {
    report.error_line("ERROR: OUTPUT FILE " + output.path + " IS THE SOURCE FILE");
    return std::nullopt;
  }
  output.stream.open(output.path);
  if (output.stream.is_open()) return output;

  // The console must be in order before the command processor writes to it.
  report.flush();
  static_cast<void>(std::system(directory_command().c_str()));
  report.line("Creating OUT directory ...");

  // A fresh stream, so that nothing of the failed attempt's state is left on it.
  output.stream = std::ofstream(output.path);
  if (output.stream.is_open()) return output;
  report.error_line("ERROR: OUT DIRECTORY NOT FOUND. FAILED IN WRITING " + output.path);
  return std::nullopt;
}

}  // namespace vuq
