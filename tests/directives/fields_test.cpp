#include "directives/fields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vuq {
namespace {

TEST(IndentWidth, BlanksCountOneAndControlBytesEight) {
  struct Case {
    std::string line;
    std::int32_t width;
  };
  const Case cases[] = {
      {"    a", 4},      {"\ta", 8},    {"\r a", 9}, {"  \ta", 10}, {"\t\ta", 16},
      {"a  ", 0},        {"\xa0 a", 0}, {"\x80", 0}, {"\x7f", 0},   {std::string("\0 x", 3), 9},
      {"\f\v\x1fx", 24}, {"   ", 3},  // no byte above the blank: the whole line is measured
      {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.line));
    EXPECT_EQ(indent_width(c.line), c.width);
  }
}

TEST(RemoveSpaces, DropsEveryBlankAndKeepsOtherBytes) {
  EXPECT_EQ(remove_spaces("two  words"), "twowords");
  EXPECT_EQ(remove_spaces("   a , b   ,c  "), "a,b,c");
  EXPECT_EQ(remove_spaces("a\tb\r\n"), "a\tb\r\n");
  EXPECT_EQ(remove_spaces(""), "");
  EXPECT_EQ(remove_spaces(std::string(" \0 \xff ", 5)), std::string("\0\xff", 2));
}

TEST(DirectiveFields, CutsAtCommasAndRepeatsWhatIsLeft) {
  using Fields = std::vector<std::string>;
  struct Case {
    const char* line;
    int count;
    Fields fields;
  };
  const Case cases[] = {
      {"VUQ_Foto_Link(pic$.html, img/pic$.jpg, thumb, 4, 10)",
       5,
       {"pic$.html", "img/pic$.jpg", "thumb", "4", "10)"}},
      {"VUQ_Foto_Link(a,b,c,4,10) more, text", 5, {"a", "b", "c", "4", "10)more"}},
      {"VUQ_Foto_Link(a,b,c,4)", 5, {"a", "b", "c", "4)", "4)"}},
      {"VUQ_Foto_Link(a)",
       5,
       {"a)", "VUQ_Foto_Link(a)", "VUQ_Foto_Link(a)", "VUQ_Foto_Link(a)", "VUQ_Foto_Link(a)"}},
      {"VUQ_Foto_Link a,b,c,2,4", 5, {"VUQ_Foto_Linka", "b", "c", "2", "4"}},
      {"VUQ_Foto_Link(,b,c,2,4)", 5, {"", "b", "c", "2", "4)"}},
      {"VUQ_Link_Foto_Tab(p$.html,i$.jpg,gallery,thumb,3,7)",
       6,
       {"p$.html", "i$.jpg", "gallery", "thumb", "3", "7)"}},
      // the first "," stands before the "(": field 1 runs to the end, field 2 after the ","
      {"x,VUQ_Foto_Link(a,b)", 3, {"a,b)", "VUQ_Foto_Link(a", "b)"}},
      {"", 3, {"", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(directive_fields(remove_spaces(c.line), c.count), c.fields);
  }
}

TEST(ReadNumber, ReadsTheLeadingDecimalNumber) {
  struct Case {
    std::string field;
    std::int32_t value;
  };
  const Case cases[] = {
      {"10)", 10},
      {"4)more", 4},
      {"3.9", 3},
      {"-2", -2},
      {"+7", 7},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"+-3", 0},
      {" \t\n\v\f\r12", 12},
      {"0042", 42},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 2147483647},
      {"99999999999999999999999)", 2147483647},
      {"-2147483649", -2147483647 - 1},
      {"-99999999999999999999999", -2147483647 - 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    EXPECT_EQ(read_number(c.field), c.value);
  }
}

TEST(SubstituteNumber, ReplacesOnlyTheFirstDollar) {
  struct Case {
    const char* text;
    std::int32_t number;
    const char* result;
  };
  const Case cases[] = {
      {"pic$.jpg", 12, "pic12.jpg"},
      {"$$", 3, "3$"},
      {"pic.jpg", 5, "pic.jpg"},
      {"$", 1, "1"},
      {"a$b$", 4, "a4b$"},
      {"$", -7, "-7"},
      {"n$", 2147483647, "n2147483647"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(substitute_number(c.text, c.number), c.result);
  }
}

}  // namespace
}  // namespace vuq
