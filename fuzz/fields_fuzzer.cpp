// Feeds one line to the recognition and field helpers and to the row arithmetic of the photo
// table. The first byte picks the number of fields.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "directives/fields.h"
#include "directives/line_loop.h"
#include "photo/photo_markup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int count = data[0] % 8;
  std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);

  static_cast<void>(vuq::find_directive(line));
  static_cast<void>(vuq::extract_argument(line));
  static_cast<void>(vuq::indent_width(line));
  std::vector<std::string> fields = vuq::directive_fields(vuq::remove_spaces(line), count);
  std::int32_t previous = 1;
  for (const std::string& field : fields) {
    std::int32_t number = vuq::read_number(field);
    static_cast<void>(vuq::substitute_number(field, number));
    static_cast<void>(vuq::row_count(number, previous));
    static_cast<void>(vuq::deeper(number, 32));
    previous = number;
  }
  return 0;
}
