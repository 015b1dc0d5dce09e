#pragma once

#include <sstream>
#include <string>

#include "converter/output_file.h"
#include "converter/report.h"
#include "support/test_streams.h"

namespace vuq::testing {

// An output file and a console, both in memory.
struct Capture {
  std::ostringstream output;
  std::ostringstream console;
  Report report{console};
  OutputFile out{output, "HTML//page.html", report};
};

// An output file on a disk that is full after `capacity` bytes, and a console in memory.
struct FullDiskCapture {
  explicit FullDiskCapture(std::size_t capacity) : disk(capacity) {}
  FullDiskBuf disk;
  std::ostream output{&disk};
  std::ostringstream console;
  Report report{console};
  OutputFile out{output, "HTML//page.html", report};
};

}  // namespace vuq::testing
