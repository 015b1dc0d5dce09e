#include "photo/photo_list.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "directives/line_loop.h"
#include "support/capture.h"

namespace vuq {
namespace {

std::string expand(const std::string& line, testing::Capture& capture) {
  expand_photo_list(extract_argument(line), line, capture.out, capture.report);
  return capture.output.text;
}

std::string expand(const std::string& line) {
  testing::Capture capture;
  return expand(line, capture);
}

TEST(ExpandPhotoList, WorkedExample) {
  const std::string expected =
      "    <a href=\"pic1.html\">\n"
      "            <img class=\"thumb\" src=\"img/pic1.jpg\"></a>\n"
      "    <a href=\"pic2.html\">\n"
      "            <img class=\"thumb\" src=\"img/pic2.jpg\"></a>\n"
      "    <a href=\"pic3.html\">\n"
      "            <img class=\"thumb\" src=\"img/pic3.jpg\"></a>\n";
  for (const char* per_row : {"2", "1", "3", "50"}) {
    SCOPED_TRACE(per_row);
    testing::Capture capture;
    std::string line =
        std::string("    VUQ_Foto_Link(pic$.html, img/pic$.jpg, thumb, ") + per_row + ", 3)";
    EXPECT_EQ(expand(line, capture), expected);
    EXPECT_EQ(capture.console.text, "");
  }
}

TEST(ExpandPhotoList, IndentsWithBlanksOnly) {
  struct Case {
    const char* lead;
    std::size_t anchor;
  };
  const Case cases[] = {{"", 0}, {"\t", 8}, {"  \t", 10}, {"\r ", 9}, {"\t\t", 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.lead));
    std::string out = expand(std::string(c.lead) + "VUQ_Foto_Link(a,b,c,1,1)");
    EXPECT_EQ(out, std::string(c.anchor, ' ') + "<a href=\"a\">\n" +
                       std::string(c.anchor + 8, ' ') + "<img class=\"c\" src=\"b\"></a>\n");
  }
}

TEST(ExpandPhotoList, TemplatesAndClass) {
  struct Case {
    const char* line;
    const char* expected;
  };
  const Case cases[] = {
      {"VUQ_Foto_Link(same.html,same.jpg,c,1,2)",
       "<a href=\"same.html\">\n        <img class=\"c\" src=\"same.jpg\"></a>\n"
       "<a href=\"same.html\">\n        <img class=\"c\" src=\"same.jpg\"></a>\n"},
      {"VUQ_Foto_Link(a$b$,$$.jpg,c$,1,1)",
       "<a href=\"a1b$\">\n        <img class=\"c$\" src=\"1$.jpg\"></a>\n"},
      {"VUQ_Foto_Link(p$, i$, two words, 1, 1)",
       "<a href=\"p1\">\n        <img class=\"twowords\" src=\"i1\"></a>\n"},
      {"VUQ_Foto_Link(p$,\ti$,c,1,1)",
       "<a href=\"p1\">\n        <img class=\"c\" src=\"\ti1\"></a>\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(expand(c.line), c.expected);
  }
}

TEST(ExpandPhotoList, NumbersPastNineWithoutLeadingZeros) {
  std::string out = expand("VUQ_Foto_Link(p$,i$,c,4,12)");
  EXPECT_NE(out.find("<a href=\"p9\">\n        <img class=\"c\" src=\"i9\"></a>\n<a href=\"p10\">"),
            std::string::npos);
  EXPECT_NE(out.find("src=\"i12\"></a>\n"), std::string::npos);
  EXPECT_EQ(out.find("p13"), std::string::npos);
}

TEST(ExpandPhotoList, WritesNothingForCountsBelowOne) {
  for (const char* line : {"VUQ_Foto_Link(a,b,c,2,0)", "VUQ_Foto_Link(a,b,c,2,-3)",
                           "VUQ_Foto_Link(a,b,c,0,3)", "VUQ_Foto_Link(a,b,c,-1,3)",
                           "VUQ_Foto_Link(a,b,c,x,y)", "VUQ_Foto_Link( )", "VUQ_Foto_Link(a)"}) {
    SCOPED_TRACE(line);
    testing::Capture capture;
    EXPECT_EQ(expand(line, capture), "");
    EXPECT_EQ(capture.console.text, "");
    EXPECT_EQ(capture.report.error_count(), 0);
  }
}

TEST(ExpandPhotoList, EmptyArgumentIsAnError) {
  testing::Capture capture;
  EXPECT_EQ(expand("VUQ_Foto_Link()", capture), "");
  EXPECT_EQ(capture.console.text, "ERROR: Parameters required in VUQ_Link_Foto\n");
  EXPECT_EQ(capture.report.error_count(), 1);
}

TEST(ExpandPhotoList, WriteFailureStopsTheLargestExpansionAtOnce) {
  testing::Capture capture(100);
  const std::string line = "VUQ_Foto_Link(p$,i$,c,1,2147483647)";
  expand_photo_list(extract_argument(line), line, capture.out, capture.report);
  EXPECT_EQ(capture.console.text, "ERROR: FAILED IN WRITING HTML//page.html\n");
  EXPECT_LE(capture.output.text.size(), 100u);
}

}  // namespace
}  // namespace vuq
