// Feeds one line to the recognition and field helpers and to the row arithmetic of the photo
// table, and checks what each promises. The first byte picks the number of fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "directives/fields.h"
#include "directives/line_loop.h"
#include "photo/photo_markup.h"

namespace {

void check(bool promise) {
  if (!promise) std::abort();
}

// The argument is a piece of the line itself.
void check_argument(std::string_view line) {
  const std::string_view argument = vuq::extract_argument(line);
  check(argument.data() >= line.data() &&
        argument.data() + argument.size() <= line.data() + line.size());
}

void check_fields(std::string_view line, int count) {
  const std::string stripped = vuq::remove_spaces(line);
  check(stripped.find(' ') == std::string::npos);
  std::size_t blanks = 0;
  for (char byte : line) blanks += byte == ' ' ? 1 : 0;
  check(stripped.size() == line.size() - blanks);

  const std::vector<std::string> fields = vuq::directive_fields(stripped, count);
  check(fields.size() == static_cast<std::size_t>(count));
  std::int32_t previous = 1;
  for (const std::string& field : fields) {
    const std::int32_t number = vuq::read_number(field);
    static_cast<void>(vuq::substitute_number(field, number));
    static_cast<void>(vuq::row_count(number, previous));
    check(vuq::deeper(number, 32) >= number);
    previous = number;
  }
}

// Any 32-bit value written in decimal reads back as itself, with white space before it and
// other text after it.
void check_number_reads_back(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return;
  std::uint32_t bits;
  std::memcpy(&bits, data, sizeof bits);
  const auto value = static_cast<std::int32_t>(bits);
  check(vuq::read_number(std::to_string(value)) == value);
  check(vuq::read_number(" \t" + std::to_string(value) + ")x") == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int count = data[0] % 8;
  std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);

  static_cast<void>(vuq::find_directive(line));
  check_argument(line);
  check(vuq::indent_width(line) >= 0);
  check_fields(line, count);
  check_number_reads_back(data + 1, size - 1);
  return 0;
}
