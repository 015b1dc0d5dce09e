#include "photo/photo_list.h"

#include <cstdint>
#include <utility>

#include "photo/photo_markup.h"

namespace vuq {

void expand_photo_list(std::string_view argument, std::string_view line, OutputFile& out,
                       Report& report) {
  if (argument.empty()) {
    report.error_message("ERROR: Parameters required in VUQ_Link_Foto\n");
    return;
  }
  PhotoLine photo = read_photo_line(line, 5);
  if (photo.per_row < 1 || photo.total < 1) return;

  // Rows leave no trace in a list: filling row_count rows of per_row places up to the total is
  // the same as writing pictures 1 to total in order.
  const PictureWriter pictures(std::move(photo.fields[0]), std::move(photo.fields[1]),
                               std::move(photo.fields[2]), photo.indent);
  for (std::int32_t number = 0; number < photo.total && !out.failed();) {
    ++number;
    pictures.write(out, number);
  }
}

}  // namespace vuq
