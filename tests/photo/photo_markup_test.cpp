#include "photo/photo_markup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "support/capture.h"

namespace vuq {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(RowCount, RoundsUpPositiveRemaindersOnly) {
  struct Case {
    std::int32_t total;
    std::int32_t per_row;
    std::int32_t rows;
  };
  const Case cases[] = {
      {5, 2, 3},       {4, 2, 2},
      {3, 5, 1},       {1, 1, 1},
      {0, 3, 0},       {-5, 2, -2},
      {3, -5, 1},      {5, -2, -1},
      {6, -3, -2},     {7, 0, 0},
      {kMin, -1, 0},   {kMin, 1, kMin},
      {kMax, 1, kMax}, {kMax, 2, 1073741824},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.total) + " / " + std::to_string(c.per_row));
    EXPECT_EQ(row_count(c.total, c.per_row), c.rows);
  }
}

TEST(Deeper, HoldsAtTheLargestWidth) {
  EXPECT_EQ(deeper(4, 8), 12);
  EXPECT_EQ(deeper(kMax - 3, 8), kMax);
}

TEST(PictureWriter, WritesAnchorAndImageWithTheNumberInEachTemplate) {
  testing::Capture capture;
  const PictureWriter pictures("p$.html", "img/$-$.jpg", "c$", 2);
  pictures.write(capture.out, 10);
  EXPECT_EQ(capture.output.text,
            "  <a href=\"p10.html\">\n"
            "          <img class=\"c$\" src=\"img/10-$.jpg\"></a>\n");
}

}  // namespace
}  // namespace vuq
