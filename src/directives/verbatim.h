#pragma once

#include <string_view>

#include "converter/output_file.h"
#include "converter/report.h"

namespace vuq {

void expand_exclude(std::string_view argument, OutputFile& out, Report& report);
void expand_import(std::string_view argument, OutputFile& out, Report& report);

}  // namespace vuq
