#include "io/report.h"

#include <limits>

namespace vuq {
namespace {

// A tally stops at its largest value rather than wrapping into a negative count.
void count_one(std::int32_t& tally) {
  if (tally < std::numeric_limits<std::int32_t>::max()) ++tally;
}

}  // namespace

void Report::message(std::string_view text) { send(text); }

void Report::warning_line(std::string_view text) {
  line(text);
  count_one(warning_count_);
}

void Report::error_line(std::initializer_list<std::string_view> pieces) {
  line(pieces);
  count_one(error_count_);
}

void Report::error_message(std::string_view text) {
  message(text);
  count_one(error_count_);
}

}  // namespace vuq
