#include "converter/report.h"

#include <limits>

namespace vuq {
namespace {

// A tally stops at its largest value rather than wrapping into a negative count.
void count_one(std::int32_t& tally) {
  if (tally < std::numeric_limits<std::int32_t>::max()) ++tally;
}

}  // namespace

void Report::line(std::string_view text) {
  pending_.assign(text);
  pending_.push_back('\n');
  console_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  console_.flush();
}

void Report::message(std::string_view text) {
  console_.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void Report::warning_line(std::string_view text) {
  line(text);
  count_one(warning_count_);
}

void Report::error_line(std::string_view text) {
  line(text);
  count_one(error_count_);
}

void Report::error_message(std::string_view text) {
  message(text);
  count_one(error_count_);
}

void Report::flush() { console_.flush(); }

}  // namespace vuq
