#include "io/line_reader.h"

#include <cstring>
#include <utility>

namespace vuq {
namespace {

// The buffer starts at one block, and every read asks for at least half a block, so a large
// file costs few system calls.
constexpr std::size_t kBlockSize = std::size_t{128} * 1024;
constexpr std::size_t kLeastRead = kBlockSize / 2;

}  // namespace

LineReader::LineReader(ByteSource& source)
    : source_(source), buffer_(new char[kBlockSize]), capacity_(kBlockSize) {}

LineReader::Status LineReader::read_on(std::string_view& line) {
  searched_ = end_ - begin_;
  make_room();
  const std::ptrdiff_t count = source_.read(buffer_.get() + end_, capacity_ - end_);
  if (count < 0) return Status::failed;
  if (count == 0) {
    line = std::string_view(buffer_.get() + begin_, end_ - begin_);
    begin_ = end_;
    searched_ = 0;
    return Status::last_line;
  }
  end_ += static_cast<std::size_t>(count);
  return next(line);
}

void LineReader::make_room() {
  const std::size_t kept = end_ - begin_;
  if (capacity_ - kept < kLeastRead) {
    // A line nearly as long as the buffer: grow it, keeping the part already read.
    std::size_t grown = capacity_ * 2;
    while (grown - kept < kLeastRead) grown *= 2;
    std::unique_ptr<char[]> larger(new char[grown]);
    std::memcpy(larger.get(), buffer_.get() + begin_, kept);
    buffer_ = std::move(larger);
    capacity_ = grown;
  } else if (capacity_ - end_ < kLeastRead) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
  } else {
    return;
  }
  begin_ = 0;
  end_ = kept;
}

}  // namespace vuq
