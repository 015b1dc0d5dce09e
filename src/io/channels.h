#pragma once

#include <cstddef>
#include <string_view>

namespace vuq {

// Where finished bytes go. Each call hands over one whole line or message, which reaches the
// system in one piece: the seam where tests put a sink in memory or one that fails.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // False when the bytes could not be written.
  virtual bool write(std::string_view bytes) = 0;
  // False when the bytes written so far may not have reached their file.
  virtual bool close() { return true; }
};

// Where bytes come from, a block at a time.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `size` bytes into `buffer`: their count, 0 at the end, -1 on a failure.
  virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
};

}  // namespace vuq
