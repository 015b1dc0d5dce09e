#pragma once

#include <ostream>
#include <sstream>
#include <streambuf>

#include "converter/output_file.h"
#include "converter/report.h"

namespace vuq::bench {

// Accepts and forgets every byte, so a benchmark measures the converter and not the disk.
class DiscardBuf : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
  int_type overflow(int_type ch) override { return traits_type::not_eof(ch); }
};

// An output file and a console that discard what they are given.
struct NullOutput {
  DiscardBuf output_buf;
  DiscardBuf console_buf;
  std::ostream output{&output_buf};
  std::ostream console{&console_buf};
  Report report{console};
  OutputFile out{output, "HTML//bench.html", report};
};

}  // namespace vuq::bench
