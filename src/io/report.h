#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "io/channels.h"
#include "io/line_buffer.h"
#include "io/platform.h"

namespace vuq {

// Console output of one run, with the warning and error tallies for its summary line.
//
// Every line and every message reaches the console in one write as soon as it is made, so no
// counted error can wait in a buffer when the process is stopped. The console is a report, not
// the work: once a write to it fails (its reader has gone, say), it is left alone for the rest of
// the run, and the conversion goes on.
class Report {
 public:
  explicit Report(ByteSink& console, std::optional<platform::FileIdentity> console_file = {})
      : console_(console), console_file_(console_file) {}

  // Text and a line feed.
  void line(std::string_view text) { line({text}); }
  // The pieces joined, and a line feed. Inline, like the composing, for the lines every
  // directive writes.
  void line(std::initializer_list<std::string_view> pieces) { send(line_.compose(0, pieces)); }
  // Text that carries its own line feed, written as it is.
  void message(std::string_view text);
  void warning_line(std::string_view text);
  void error_line(std::string_view text) { error_line({text}); }
  void error_line(std::initializer_list<std::string_view> pieces);
  void error_message(std::string_view text);

  std::int32_t warning_count() const { return warning_count_; }
  std::int32_t error_count() const { return error_count_; }

  // True when the console is an ordinary file and this is that file.
  bool is_console_file(const platform::FileIdentity& file) const { return console_file_ == file; }

 private:
  void send(std::string_view bytes) {
    if (!console_gone_ && !console_.write(bytes)) console_gone_ = true;
  }

  ByteSink& console_;
  std::optional<platform::FileIdentity> console_file_;
  LineBuffer line_;
  bool console_gone_ = false;
  std::int32_t warning_count_ = 0;
  std::int32_t error_count_ = 0;
};

}  // namespace vuq
