#include "photo/photo_table.h"

#include <gtest/gtest.h>

#include <string>

#include "directives/line_loop.h"
#include "support/capture.h"

namespace vuq {
namespace {

std::string expand(const std::string& line, testing::Capture& capture) {
  expand_photo_table(extract_argument(line), line, capture.out, capture.report);
  return capture.output.text;
}

std::string expand(const std::string& line) {
  testing::Capture capture;
  return expand(line, capture);
}

// The four lines of one cell, at a table indentation of 0.
std::string cell(int number) {
  const std::string n = std::to_string(number);
  return "                <td>\n"
         "                        <a href=\"l" +
         n +
         "\">\n"
         "                                <img class=\"t\" src=\"i" +
         n +
         "\"></a>\n"
         "                </td>\n";
}

const std::string kOpen = "<table class=\"g\">\n";
const std::string kClose = "</table>\n";
const std::string kRowOpen = "        <tr>\n";
const std::string kRowClose = "        </tr>\n";

TEST(ExpandPhotoTable, WorkedExample) {
  // Indented by 4, per_row 2, total 5: three rows, the last one holding picture 5 alone.
  const std::string expected =
      "    <table class=\"gallery\">\n"
      "            <tr>\n"
      "                    <td>\n"
      "                            <a href=\"big/1.html\">\n"
      "                                    <img class=\"thumb\" src=\"small/1.jpg\"></a>\n"
      "                    </td>\n"
      "                    <td>\n"
      "                            <a href=\"big/2.html\">\n"
      "                                    <img class=\"thumb\" src=\"small/2.jpg\"></a>\n"
      "                    </td>\n"
      "            </tr>\n"
      "            <tr>\n"
      "                    <td>\n"
      "                            <a href=\"big/3.html\">\n"
      "                                    <img class=\"thumb\" src=\"small/3.jpg\"></a>\n"
      "                    </td>\n"
      "                    <td>\n"
      "                            <a href=\"big/4.html\">\n"
      "                                    <img class=\"thumb\" src=\"small/4.jpg\"></a>\n"
      "                    </td>\n"
      "            </tr>\n"
      "            <tr>\n"
      "                    <td>\n"
      "                            <a href=\"big/5.html\">\n"
      "                                    <img class=\"thumb\" src=\"small/5.jpg\"></a>\n"
      "                    </td>\n"
      "            </tr>\n"
      "    </table>\n";
  testing::Capture capture;
  EXPECT_EQ(expand("    VUQ_Link_Foto_Tab(big/$.html, small/$.jpg, gallery, thumb, 2, 5)", capture),
            expected);
  EXPECT_EQ(capture.output.writes.size(), 28u);
  EXPECT_EQ(capture.console.text, "");
}

TEST(ExpandPhotoTable, RowLayouts) {
  struct Case {
    const char* name;
    const char* line;
    std::string expected;
  };
  const Case cases[] = {
      {"per row covers the total: one row", "VUQ_Link_Foto_Tab(l$,i$,g,t,5,3)",
       kOpen + kRowOpen + cell(1) + cell(2) + cell(3) + kRowClose + kClose},
      {"total a multiple of per row: no empty row", "VUQ_Link_Foto_Tab(l$,i$,g,t,2,4)",
       kOpen + kRowOpen + cell(1) + cell(2) + kRowClose + kRowOpen + cell(3) + cell(4) + kRowClose +
           kClose},
      {"five fields: the fifth is per row and total", "VUQ_Link_Foto_Tab(l$,i$,g,t,3)",
       kOpen + kRowOpen + cell(1) + cell(2) + cell(3) + kRowClose + kClose},
      {"fields past the sixth are ignored", "VUQ_Link_Foto_Tab(l$,i$,g,t,1,1,9,9);",
       kOpen + kRowOpen + cell(1) + kRowClose + kClose},
      {"total zero", "VUQ_Link_Foto_Tab(l$,i$,g,t,2,0)", kOpen + kClose},
      {"total negative", "VUQ_Link_Foto_Tab(l$,i$,g,t,2,-4)", kOpen + kClose},
      {"negative per row beyond the total: one empty row", "VUQ_Link_Foto_Tab(l$,i$,g,t,-5,3)",
       kOpen + kRowOpen + kRowClose + kClose},
      {"negative per row within the total", "VUQ_Link_Foto_Tab(l$,i$,g,t,-2,5)", kOpen + kClose},
      {"per row zero", "VUQ_Link_Foto_Tab(l$,i$,g,t,0,5)", kOpen + kClose},
      {"non-numeric counts", "VUQ_Link_Foto_Tab(l$,i$,g,t,x,y)", kOpen + kClose},
      {"quotient beyond 32 bits", "VUQ_Link_Foto_Tab(l$,i$,g,t,-1,-2147483648)", kOpen + kClose},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::Capture capture;
    EXPECT_EQ(expand(c.line, capture), c.expected);
    EXPECT_EQ(capture.console.text, "");
    EXPECT_EQ(capture.report.error_count(), 0);
  }
}

TEST(ExpandPhotoTable, IndentsEveryLevelWithBlanks) {
  std::string out = expand("\tVUQ_Link_Foto_Tab(l$,i$,g c,t,1,1)");
  EXPECT_EQ(out, std::string(8, ' ') + "<table class=\"gc\">\n" + std::string(16, ' ') + "<tr>\n" +
                     std::string(24, ' ') + "<td>\n" + std::string(32, ' ') + "<a href=\"l1\">\n" +
                     std::string(40, ' ') + "<img class=\"t\" src=\"i1\"></a>\n" +
                     std::string(24, ' ') + "</td>\n" + std::string(16, ' ') + "</tr>\n" +
                     std::string(8, ' ') + "</table>\n");
}

TEST(ExpandPhotoTable, EmptyArgumentIsAnError) {
  testing::Capture capture;
  EXPECT_EQ(expand("VUQ_Link_Foto_Tab()", capture), "");
  EXPECT_EQ(capture.console.text, "ERROR: Parameters required in VUQ_Link_Foto_Tab\n");
  EXPECT_EQ(capture.report.error_count(), 1);
}

TEST(ExpandPhotoTable, WriteFailureStopsTheLargestExpansionAtOnce) {
  for (const char* per_row : {"1", "2147483647"}) {
    SCOPED_TRACE(per_row);
    testing::Capture capture(200);
    const std::string line = std::string("VUQ_Link_Foto_Tab(l$,i$,g,t,") + per_row + ",2147483647)";
    expand_photo_table(extract_argument(line), line, capture.out, capture.report);
    EXPECT_EQ(capture.console.text, "ERROR: FAILED IN WRITING HTML//page.html\n");
    EXPECT_LE(capture.output.text.size(), 200u);
  }
}

}  // namespace
}  // namespace vuq
