#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "converter/report.h"

namespace vuq {

// One output file. Every line goes out with its line feed in a single write and is flushed at
// once. The first failed write is reported on the console and counted; after it nothing more
// is written, so a caller that loops over many lines checks failed() to stop early.
class OutputFile {
 public:
  OutputFile(std::ostream& stream, std::string path, Report& report)
      : stream_(stream), path_(std::move(path)), report_(report) {}

  void write_line(std::string_view text) { write_line({text}); }
  // The pieces are joined into one line.
  void write_line(std::initializer_list<std::string_view> pieces);

  // Reports a failure that shows outside write_line, such as one on closing the file.
  void record_failure();

  bool failed() const { return failed_; }
  const std::string& path() const { return path_; }

 private:
  std::ostream& stream_;
  std::string path_;
  Report& report_;
  std::string pending_;  // reused, so a line costs no allocation once the longest has been seen
  bool failed_ = false;
};

}  // namespace vuq
