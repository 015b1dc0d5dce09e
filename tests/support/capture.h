#pragma once

#include <cstddef>
#include <limits>

#include "io/output_file.h"
#include "io/report.h"
#include "support/memory_channels.h"

namespace vuq::testing {

// An output file and a console, both in memory. With a capacity the output file's disk is full
// after that many bytes.
struct Capture {
  explicit Capture(std::size_t capacity = std::numeric_limits<std::size_t>::max())
      : output(capacity) {}

  MemorySink output;
  MemorySink console;
  Report report{console};
  OutputFile out{output, "HTML//page.html", report};
};

}  // namespace vuq::testing
