#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "io/channels.h"
#include "io/line_buffer.h"
#include "io/platform.h"
#include "io/report.h"

namespace vuq {

// One output file. Every line goes out with its line feed in a single write. The first failure
// is reported on the console and counted; after it nothing more is written, so a caller that
// loops over many lines checks failed() to stop early.
class OutputFile {
 public:
  OutputFile(ByteSink& file, std::string path, Report& report,
             std::optional<platform::FileIdentity> identity = {});

  void write_line(std::string_view text) { write_indented_line(0, {text}); }
  // The pieces are joined into one line.
  void write_line(std::initializer_list<std::string_view> pieces) {
    write_indented_line(0, pieces);
  }
  // `indent` blanks (none when it is 0 or less), then the pieces joined into one line. The
  // blanks are written straight into the line, so a deep indentation is never held twice.
  void write_indented_line(std::int32_t indent, std::initializer_list<std::string_view> pieces) {
    if (failed_) return;
    if (!file_.write(line_.compose(indent, pieces))) record_failure();
  }

  // Closes the file; a failure that shows only now is reported like a failed write.
  void close();

  bool failed() const { return failed_; }
  // True when this output is written to that file.
  bool is_file(const platform::FileIdentity& file) const { return identity_ == file; }

 private:
  void record_failure();

  ByteSink& file_;
  std::string path_;
  Report& report_;
  std::optional<platform::FileIdentity> identity_;
  LineBuffer line_;
  bool failed_ = false;
};

}  // namespace vuq
