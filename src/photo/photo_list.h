#pragma once

#include <string_view>

#include "io/output_file.h"
#include "io/report.h"

namespace vuq {

// Expands VUQ_Foto_Link(link$, image$, class, per_row, total) into an anchor line and an image
// line for each of the pictures 1 to total, indented like the directive line.
void expand_photo_list(std::string_view argument, std::string_view line, OutputFile& out,
                       Report& report);

}  // namespace vuq
