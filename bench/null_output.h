#pragma once

#include <cstddef>
#include <string_view>

#include "io/channels.h"
#include "io/output_file.h"
#include "io/report.h"

namespace vuq::bench {

// Accepts and forgets every byte, so a benchmark measures the converter and not the disk.
class DiscardSink : public ByteSink {
 public:
  bool write(std::string_view) override { return true; }
};

// Serves a text in one block.
class TextSource : public ByteSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  std::ptrdiff_t read(char* buffer, std::size_t size) override {
    const std::size_t count = size < text_.size() ? size : text_.size();
    text_.copy(buffer, count);
    text_.remove_prefix(count);
    return static_cast<std::ptrdiff_t>(count);
  }

 private:
  std::string_view text_;
};

// An output file and a console that discard what they are given.
struct NullOutput {
  DiscardSink output_sink;
  DiscardSink console_sink;
  Report report{console_sink};
  OutputFile out{output_sink, "HTML//bench.html", report};
};

}  // namespace vuq::bench
