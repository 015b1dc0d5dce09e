#pragma once

#include <string_view>

#include "io/output_file.h"
#include "io/report.h"

namespace vuq {

// Writes the argument as one output line, untouched.
void expand_exclude(std::string_view argument, OutputFile& out, Report& report);

// Copies every line of the file the argument names into the output, as it is.
void expand_import(std::string_view argument, OutputFile& out, Report& report);

}  // namespace vuq
