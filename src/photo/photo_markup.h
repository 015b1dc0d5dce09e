#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "io/output_file.h"

namespace vuq {

// What a photo directive line says: its indentation as read, and its argument fields cut from
// the whole line with its blanks removed, of which the last two are the counts.
struct PhotoLine {
  std::int32_t indent = 0;
  std::vector<std::string> fields;
  std::int32_t per_row = 0;
  std::int32_t total = 0;
};

// field_count is at least 2.
PhotoLine read_photo_line(std::string_view line, int field_count);

// Rows for `total` pictures at `per_row` to a row: the quotient truncated toward zero, plus one
// when the remainder is positive. 0 when per_row is 0 or the quotient does not fit 32 bits.
std::int32_t row_count(std::int32_t total, std::int32_t per_row);

// indent + extra, held at the largest width instead of overflowing.
std::int32_t deeper(std::int32_t indent, std::int32_t extra);

// Writes the two lines of a numbered picture: the anchor at the given indentation and the image
// eight blanks deeper, each template with its first "$" replaced by the picture number.
class PictureWriter {
 public:
  PictureWriter(std::string link_template, std::string image_template, std::string image_class,
                std::int32_t anchor_indent);

  void write(OutputFile& out, std::int32_t number) const;

 private:
  std::string link_template_;
  std::string image_template_;
  std::string image_class_;
  std::int32_t anchor_indent_;
  std::int32_t image_indent_;
};

}  // namespace vuq
