#include "directives/fields.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <limits>

namespace vuq {
namespace {

constexpr std::int64_t kMaxInt32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMinInt32 = std::numeric_limits<std::int32_t>::min();

bool is_white_space(char byte) {
  return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
         byte == '\r';
}

bool is_digit(char byte) { return byte >= '0' && byte <= '9'; }

}  // namespace

std::int32_t indent_width(std::string_view line) {
  std::int64_t width = 0;
  for (char byte : line) {
    auto value = static_cast<unsigned char>(byte);
    if (value > 0x20) break;
    width += value == 0x20 ? 1 : 8;
    if (width >= kMaxInt32) return static_cast<std::int32_t>(kMaxInt32);
  }
  return static_cast<std::int32_t>(width);
}

std::string remove_spaces(std::string_view text) {
  std::string stripped;
  stripped.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(stripped),
               [](char byte) { return byte != ' '; });
  return stripped;
}

std::vector<std::string> directive_fields(std::string_view stripped, int count) {
  std::vector<std::string> fields;
  if (count <= 0) return fields;
  fields.reserve(static_cast<std::size_t>(count));

  std::size_t open = stripped.find('(');
  std::size_t start = open == std::string_view::npos ? 0 : open + 1;
  std::size_t first_comma = stripped.find(',');
  std::size_t end =
      first_comma != std::string_view::npos && first_comma >= start ? first_comma : stripped.size();
  fields.emplace_back(stripped.substr(start, end - start));

  // What follows the first comma, wherever it stands; the whole line when there is none.
  std::string_view remaining =
      first_comma == std::string_view::npos ? stripped : stripped.substr(first_comma + 1);
  for (int field = 2; field <= count; ++field) {
    std::size_t comma = remaining.find(',');
    fields.emplace_back(remaining.substr(0, comma));
    if (comma != std::string_view::npos) remaining.remove_prefix(comma + 1);
  }
  return fields;
}

std::int32_t read_number(std::string_view field) {
  std::size_t at = 0;
  while (at < field.size() && is_white_space(field[at])) ++at;
  bool negative = false;
  if (at < field.size() && (field[at] == '+' || field[at] == '-')) {
    negative = field[at] == '-';
    ++at;
  }
  // Accumulated as a negative magnitude, which reaches the lowest value as well.
  std::int64_t value = 0;
  for (; at < field.size() && is_digit(field[at]); ++at) {
    value = value * 10 - (field[at] - '0');
    if (value < kMinInt32) {
      value = kMinInt32 - 1;  // past every limit; the digits that follow change nothing
    }
  }
  if (negative) return static_cast<std::int32_t>(std::max(value, kMinInt32));
  return static_cast<std::int32_t>(std::min(-value, kMaxInt32));
}

std::string substitute_number(std::string_view template_text, std::int32_t number) {
  std::string result(template_text);
  std::size_t dollar = result.find('$');
  if (dollar != std::string::npos) result.replace(dollar, 1, std::to_string(number));
  return result;
}

}  // namespace vuq
