#pragma once

#include <string_view>

#include "converter/output_file.h"
#include "converter/report.h"

namespace vuq {

void expand_photo_table(std::string_view argument, std::string_view line, OutputFile& out,
                        Report& report);

}  // namespace vuq
