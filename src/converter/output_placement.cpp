#include "converter/output_placement.h"

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

std::optional<OpenedOutput> open_output_file(const std::string& source_path,
                                             const FileIdentity& source, Report& report) {
  std::string path = output_path_for(source_path);
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
