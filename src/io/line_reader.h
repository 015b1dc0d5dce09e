#pragma once

#include <cstddef>
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
  // last one. A failed read yields no line.
  Status next(std::string_view& line);

 private:
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
