#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "io/channels.h"
#include "io/report.h"

namespace vuq {

// Cuts the bytes of a source into lines. The source is read in large blocks; a line is handed
// out as a view into the reader's own buffer, valid until the next call, so the buffer only grows
// to the longest line.
class LineReader {
 public:
  enum class Status { line, last_line, failed };

  explicit LineReader(ByteSource& source);

  // The next line, without its line feed. The end of the source is noticed only by a read that
  // finds nothing more, so bytes after the last line feed, even none, make one more line: the
  // last one. A failed read yields no line. Inline for the common case of a line that is
  // already in the buffer.
  Status next(std::string_view& line) {
    const char* start = buffer_.get() + begin_;
    // A long line arrives in many blocks; each is searched once.
    const auto* feed =
        static_cast<const char*>(std::memchr(start + searched_, '\n', end_ - begin_ - searched_));
    if (feed == nullptr) return read_on(line);
    const auto length = static_cast<std::size_t>(feed - start);
    line = std::string_view(start, length);
    begin_ += length + 1;
    searched_ = 0;
    return Status::line;
  }

 private:
  // Reads more of the source until it holds the next line, or ends, or fails.
  Status read_on(std::string_view& line);
  // Makes room for one more block after the bytes not yet handed out.
  void make_room();

  ByteSource& source_;
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_;
  std::size_t begin_ = 0;     // the first byte not yet handed out
  std::size_t searched_ = 0;  // bytes from begin_ on that hold no line feed
  std::size_t end_ = 0;       // one past the last byte read
};

enum class ReadOutcome { ended, stopped, failed };

// Hands each line of a source to on_line, which returns false to stop. A final line feed yields
// one more, empty line, and an empty source yields one empty line. A read that fails ends the
// reading with an error that names the source; the line it was reading is not handed on.
template <typename OnLine>
ReadOutcome read_lines(ByteSource& source, std::string_view name, Report& report,
                       OnLine&& on_line) {
  LineReader reader(source);
  std::string_view line;
  for (;;) {
    LineReader::Status status = reader.next(line);
    if (status == LineReader::Status::failed) {
      report.error_line({"ERROR: FAILED IN READING ", name});
      return ReadOutcome::failed;
    }
    if (!on_line(line)) return ReadOutcome::stopped;
    if (status == LineReader::Status::last_line) return ReadOutcome::ended;
  }
}

}  // namespace vuq
