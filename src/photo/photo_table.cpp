#include "photo/photo_table.h"

#include <cstdint>
#include <utility>

#include "photo/photo_markup.h"

namespace vuq {

void expand_photo_table(std::string_view argument, std::string_view line, OutputFile& out,
                        Report& report) {
  if (argument.empty()) {
    report.error_message("ERROR: Parameters required in VUQ_Link_Foto_Tab\n");
    return;
  }
  PhotoLine photo = read_photo_line(line, 6);
  const std::int32_t per_row = photo.per_row;
  const std::int32_t total = photo.total;
  const std::int32_t rows = row_count(total, per_row);

  const std::int32_t table_indent = photo.indent;
  const std::int32_t row_indent = deeper(photo.indent, 8);
  const std::int32_t cell_indent = deeper(photo.indent, 16);
  const PictureWriter pictures(std::move(photo.fields[0]), std::move(photo.fields[1]),
                               std::move(photo.fields[3]), deeper(photo.indent, 24));

  out.write_indented_line(table_indent, {"<table class=\"", photo.fields[2], "\">"});
  if (rows > 0 && total > 0) {
    std::int32_t number = 0;
    std::int32_t row = 0;
    do {
      out.write_indented_line(row_indent, {"<tr>"});
      std::int32_t cell = 0;
      while (cell < per_row && number < total && !out.failed()) {
        ++number;
        out.write_indented_line(cell_indent, {"<td>"});
        pictures.write(out, number);
        out.write_indented_line(cell_indent, {"</td>"});
        ++cell;
      }
      out.write_indented_line(row_indent, {"</tr>"});
      ++row;
    } while (row < rows && number < total && !out.failed());
  }
  out.write_indented_line(table_indent, {"</table>"});
}

}  // namespace vuq
