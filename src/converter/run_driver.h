#pragma once

#include <string>
#include <vector>

#include "io/report.h"

namespace vuq {

// Converts the named sources in order, between the start lines and the summary line.
void convert_sources(const std::vector<std::string>& source_paths, Report& report);

// The whole run for a command line, reported on standard output; the exit status is 0 whatever
// was reported.
int run(int argc, const char* const* argv);

}  // namespace vuq
