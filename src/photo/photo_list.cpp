#include "photo/photo_list.h"

#include "directives/fields.h"
#include "photo/photo_markup.h"

namespace vuq {

void expand_photo_list(std::string_view argument, std::string_view line, OutputFile& out,
                       Report& report) {
  if (argument.empty()) {
    report.error_message("ERROR: Parameters required in VUQ_Link_Foto\n");
    return;
  }
  const std::int32_t indent = indent_width(line);
  std::vector<std::string> fields = photo_fields(line, 5);
  const std::int32_t per_row = read_number(fields[3]);
  const std::int32_t total = read_number(fields[4]);
  if (per_row < 1 || total < 1) return;

  // Rows leave no trace in a list: filling row_count rows of per_row places up to the total is
  // the same as writing pictures 1 to total in order.
  const PictureWriter pictures(std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                               indent);
  for (std::int32_t number = 0; number < total && !out.failed();) {
    ++number;
    pictures.write(out, number);
  }
}

}  // namespace vuq
