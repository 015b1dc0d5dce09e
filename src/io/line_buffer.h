#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace vuq {

// Where a line is put together before it is written in one piece. The storage is kept and only
// grows, so a line costs no allocation once the longest one has been seen.
class LineBuffer {
 public:
  // `indent` blanks (none when it is 0 or less), the pieces in order, and a line feed. Inline,
  // since it runs for every line written and its callers pass a fixed number of pieces.
  std::string_view compose(std::int32_t indent, std::initializer_list<std::string_view> pieces) {
    const std::size_t blanks = indent > 0 ? static_cast<std::size_t>(indent) : 0;
    std::size_t size = blanks + 1;
    for (std::string_view piece : pieces) size += piece.size();
    if (size > capacity_) grow(size);
    char* at = storage_.get();
    if (blanks > 0) std::memset(at, ' ', blanks);
    at += blanks;
    for (std::string_view piece : pieces) {
      if (piece.empty()) continue;  // an empty view may carry no storage to copy from
      std::memcpy(at, piece.data(), piece.size());
      at += piece.size();
    }
    *at = '\n';
    return std::string_view(storage_.get(), size);
  }

 private:
  void grow(std::size_t size);

  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
};

}  // namespace vuq
