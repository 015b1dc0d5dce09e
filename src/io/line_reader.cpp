#include "io/line_reader.h"

#include <cstring>

namespace vuq {
namespace {

// Every read asks for at least this much, so a large file costs few system calls.
constexpr std::size_t kBlockSize = std::size_t{128} * 1024;

}  // namespace

LineReader::LineReader(ByteSource& source)
    : source_(source), buffer_(new char[kBlockSize]), capacity_(kBlockSize) {}

LineReader::Status LineReader::next(std::string_view& line) {
  for (;;) {
    const char* start = buffer_.get() + begin_;
    // A long line arrives in many blocks; each is searched once.
    const auto* feed =
        static_cast<const char*>(std::memchr(start + searched_, '\n', end_ - begin_ - searched_));
    if (feed != nullptr) {
      const auto length = static_cast<std::size_t>(feed - start);
      line = std::string_view(start, length);
      begin_ += length + 1;
      searched_ = 0;
      return Status::line;
    }
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
  }
}

void LineReader::make_room() {
  const std::size_t kept = end_ - begin_;
  if (capacity_ - kept < kBlockSize) {
    // A line longer than the buffer: grow it, keeping the part already read.
    std::size_t grown = capacity_ * 2;
    while (grown - kept < kBlockSize) grown *= 2;
    std::unique_ptr<char[]> larger(new char[grown]);
    std::memcpy(larger.get(), buffer_.get() + begin_, kept);
    buffer_ = std::move(larger);
    capacity_ = grown;
  } else if (capacity_ - end_ < kBlockSize) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
  } else {
    return;
  }
  begin_ = 0;
  end_ = kept;
}

}  // namespace vuq
