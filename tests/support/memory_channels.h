#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "io/channels.h"

namespace vuq::testing {

// Keeps what it is given, one entry per write. With a capacity it takes that many bytes and then
// fails every write, like a full disk; the write that crosses the limit keeps the part that fits.
class MemorySink : public ByteSink {
 public:
  explicit MemorySink(std::size_t capacity = std::numeric_limits<std::size_t>::max())
      : capacity_(capacity) {}

  bool write(std::string_view bytes) override {
    writes.emplace_back(bytes);
    const std::size_t room = capacity_ - std::min(capacity_, text.size());
    text.append(bytes.substr(0, room));
    return bytes.size() <= room;
  }
  bool close() override {
    ++closes;
    return !fail_close;
  }

  std::string text;                 // every byte written, in order
  std::vector<std::string> writes;  // each write as it came
  int closes = 0;
  bool fail_close = false;

 private:
  std::size_t capacity_;
};

// Serves a text in blocks of at most `block` bytes, then the end; or, with fail_at_end, a read
// error where the end would be, as a broken disk gives.
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string text, std::size_t block = 7, bool fail_at_end = false)
      : text_(std::move(text)), block_(block), fail_at_end_(fail_at_end) {}

  std::ptrdiff_t read(char* buffer, std::size_t size) override {
    ++reads;
    if (at_ == text_.size()) {
      if (fail_at_end_) ++reads_after_failure;
      return fail_at_end_ ? -1 : 0;
    }
    const std::size_t count = std::min({size, block_, text_.size() - at_});
    text_.copy(buffer, count, at_);
    at_ += count;
    return static_cast<std::ptrdiff_t>(count);
  }

  int reads = 0;
  int reads_after_failure = 0;

 private:
  std::string text_;
  std::size_t block_;
  bool fail_at_end_;
  std::size_t at_ = 0;
};

}  // namespace vuq::testing
