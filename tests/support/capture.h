#pragma once

#include <sstream>
#include <string>

#include "converter/output_file.h"
#include "converter/report.h"

namespace vuq::testing {

// An output file and a console, both in memory.
struct Capture {
  std::ostringstream output;
  std::ostringstream console;
  Report report{console};
  OutputFile out{output, "HTML//page.html", report};
};

}  // namespace vuq::testing
