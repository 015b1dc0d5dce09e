#pragma once

#include <string_view>

#include "io/output_file.h"
#include "io/report.h"

namespace vuq {

// Expands VUQ_Link_Foto_Tab(link$, image$, table_class, image_class, per_row, total) into a
// table of the pictures 1 to total, per_row cells to a row, indented like the directive line
// and eight blanks deeper for every level of nesting.
void expand_photo_table(std::string_view argument, std::string_view line, OutputFile& out,
                        Report& report);

}  // namespace vuq
