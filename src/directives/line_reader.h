#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "converter/report.h"

namespace vuq {

enum class ReadOutcome { ended, stopped, failed };

// Hands each line of a stream, without its line feed, to on_line, which returns false to stop.
// The end-of-file test comes before every read and knows only what earlier reads met: a final
// line feed therefore yields one more, empty line, and an empty stream yields one empty line.
// A read that fails before the end ends the reading with an error that names the stream; the
// line it was reading is not handed on.
template <typename OnLine>
ReadOutcome read_lines(std::istream& in, std::string_view name, Report& report, OnLine&& on_line) {
  std::string line;
  while (!in.eof()) {
    std::getline(in, line);
    // A failure without the end of the file would repeat for ever if the loop went on.
    if (in.bad() || (in.fail() && !in.eof())) {
      report.error_line(std::string("ERROR: FAILED IN READING ").append(name));
      return ReadOutcome::failed;
    }
    if (!on_line(std::string_view(line))) return ReadOutcome::stopped;
  }
  return ReadOutcome::ended;
}

}  // namespace vuq
