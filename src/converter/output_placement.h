#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "io/file.h"
#include "io/report.h"

namespace vuq {

// output_directory + the source path less everything from its last "." + ".html". A path with
// no "." keeps all of it as its stem. Separators pass through unchanged.
std::string output_path_for(std::string_view source_path);

// The output directory's own name: output_directory less the two characters at its first "/".
std::string output_directory_name();

// True when the ".." components of a path taken below a directory climb above that directory,
// judged on the text alone; any of `separators` separates components.
bool climbs_out(std::string_view relative_path, std::string_view separators);

struct OpenedOutput {
  std::string path;
  File file;
};

// Opens the output file of an opened source, creating the output directory when the first
// attempt fails, and trying once more. An output path that leads out of the output directory is
// refused before anything is opened, and the file is emptied only once it is known not to be
// the source itself. On failure the error is reported and counted and no file is returned.
std::optional<OpenedOutput> open_output_file(const std::string& source_path,
                                             const FileIdentity& source, Report& report);

}  // namespace vuq
