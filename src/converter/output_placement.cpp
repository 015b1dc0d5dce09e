#include "converter/output_placement.h"

#include <cstddef>
#include <utility>

#include "converter/fixed_names.h"
#include "io/platform.h"

namespace vuq {

std::string output_path_for(std::string_view source_path) {
  std::string_view stem = source_path.substr(0, source_path.rfind('.'));
  std::string path(output_directory);
  path.append(stem);
  path.append(".html");
  return path;
}

std::string output_directory_name() {
  std::string name(output_directory);
  std::size_t slash = name.find('/');
  if (slash != std::string::npos) name.erase(slash, 2);
  return name;
}

bool climbs_out(std::string_view relative_path, std::string_view separators) {
  std::size_t depth = 0;
  for (std::size_t start = 0; start <= relative_path.size();) {
    std::size_t end = relative_path.find_first_of(separators, start);
    if (end == std::string_view::npos) end = relative_path.size();
    const std::string_view part = relative_path.substr(start, end - start);
    if (part == "..") {
      if (depth == 0) return true;
      --depth;
    } else if (!part.empty() && part != ".") {
      ++depth;
    }
    start = end + 1;
  }
  return false;
}

std::optional<OpenedOutput> open_output_file(const std::string& source_path,
                                             const FileIdentity& source, Report& report) {
  std::string path = output_path_for(source_path);
  if (climbs_out(std::string_view(path).substr(output_directory.size()),
                 platform::path_separators())) {
    report.error_line({"ERROR: OUTPUT FILE ", path, " IS OUTSIDE THE OUTPUT DIRECTORY"});
    return std::nullopt;
  }
  std::optional<File> file = File::open_for_writing(path);
  if (!file) {
    platform::make_directory(output_directory_name());
    report.line("Creating OUT directory ...");
    file = File::open_for_writing(path);
  }
  if (file && file->info().identity == source) {
    report.error_line({"ERROR: OUTPUT FILE ", path, " IS THE SOURCE FILE"});
    return std::nullopt;
  }
  if (!file || !file->truncate()) {
    report.error_line({"ERROR: OUT DIRECTORY NOT FOUND. FAILED IN WRITING ", path});
    return std::nullopt;
  }
  return OpenedOutput{std::move(path), std::move(*file)};
}

}  // namespace vuq
