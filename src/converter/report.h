#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace vuq {

// Console output of one run, with the warning and error tallies for its summary line.
class Report {
 public:
  explicit Report(std::ostream& console) : console_(console) {}

  // Text, then a line feed and a flush of the console.
  void line(std::string_view text);
  // Text that carries its own line feed: written as it is, without a flush.
  void message(std::string_view text);
  void warning_line(std::string_view text);
  void error_line(std::string_view text);
  void error_message(std::string_view text);
  void flush();

  std::int32_t warning_count() const { return warning_count_; }
  std::int32_t error_count() const { return error_count_; }

 private:
  std::ostream& console_;
  std::string pending_;  // reused, so that a line goes out in one write without an allocation
  std::int32_t warning_count_ = 0;
  std::int32_t error_count_ = 0;
};

}  // namespace vuq
