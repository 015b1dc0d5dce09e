#include "photo/photo_markup.h"

#include <limits>
#include <utility>

#include "directives/fields.h"

namespace vuq {

PhotoLine read_photo_line(std::string_view line, int field_count) {
  PhotoLine photo;
  photo.indent = indent_width(line);
  photo.fields = directive_fields(remove_spaces(line), field_count);
  // The counts are the last two of the fields asked for.
  const auto counts = photo.fields.end() - 2;
  photo.per_row = read_number(counts[0]);
  photo.total = read_number(counts[1]);
  return photo;
}

std::int32_t row_count(std::int32_t total, std::int32_t per_row) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  if (per_row == 0 || (total == kMin && per_row == -1)) return 0;
  std::int32_t quotient = total / per_row;
  return total % per_row > 0 ? quotient + 1 : quotient;
}

std::int32_t deeper(std::int32_t indent, std::int32_t extra) {
  std::int64_t sum = std::int64_t{indent} + extra;
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(sum > kMax ? kMax : sum);
}

PictureWriter::PictureWriter(std::string link_template, std::string image_template,
                             std::string image_class, std::int32_t anchor_indent)
    : link_template_(std::move(link_template)),
      image_template_(std::move(image_template)),
      image_class_(std::move(image_class)),
      anchor_indent_(anchor_indent),
      image_indent_(deeper(anchor_indent, 8)) {}

void PictureWriter::write(OutputFile& out, std::int32_t number) const {
  out.write_indented_line(anchor_indent_,
                          {"<a href=\"", substitute_number(link_template_, number), "\">"});
  out.write_indented_line(image_indent_, {"<img class=\"", image_class_, "\" src=\"",
                                          substitute_number(image_template_, number), "\"></a>"});
}

}  // namespace vuq
