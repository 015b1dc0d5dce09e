#pragma once

#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "converter/report.h"

namespace vuq {

// output_directory + the source path less everything from its last "." + ".html". A path with
// no "." keeps all of it as its stem. Separators pass through unchanged.
std::string output_path_for(std::string_view source_path);

// The command that creates the output directory: "mkdir " and the directory's name.
std::string directory_command();

struct OpenedOutput {
  std::string path;
  std::ofstream stream;
};

// Opens the output file of an opened source, creating the output directory through the command
// processor when the first attempt fails, and trying once more. Refuses an output path that
// already names the source itself. On failure the error is reported and counted and no stream
// is returned.
std::optional<OpenedOutput> open_output_file(const std::string& source_path, Report& report);

}  // namespace vuq
