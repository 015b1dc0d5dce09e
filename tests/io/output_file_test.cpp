#include "io/output_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/capture.h"

namespace vuq {
namespace {

using Writes = std::vector<std::string>;

TEST(OutputFile, WritesEachLineWithItsLineFeedInOneWrite) {
  testing::Capture capture;
  capture.out.write_line("first");
  capture.out.write_line({"<a href=\"", "1.html", "\">"});
  capture.out.write_indented_line(4, {"<td>"});
  capture.out.write_indented_line(-3, {"", "x", ""});
  capture.out.write_line("");
  EXPECT_EQ(capture.output.writes,
            (Writes{"first\n", "<a href=\"1.html\">\n", "    <td>\n", "x\n", "\n"}));
  EXPECT_FALSE(capture.out.failed());
  EXPECT_EQ(capture.console.text, "");
}

TEST(OutputFile, LongerLinesAfterShortOnesAreWrittenWhole) {
  testing::Capture capture;
  const std::string wide(5000, 'w');
  capture.out.write_line("a");
  capture.out.write_indented_line(300, {wide, wide});
  capture.out.write_line("b");
  EXPECT_EQ(capture.output.text, "a\n" + std::string(300, ' ') + wide + wide + "\nb\n");
}

TEST(OutputFile, FirstFailedWriteIsReportedOnceAndLaterWritesAreSkipped) {
  testing::Capture capture(4);
  capture.out.write_line("ab");
  EXPECT_FALSE(capture.out.failed());
  capture.out.write_line("cd");
  EXPECT_TRUE(capture.out.failed());
  capture.out.write_line("ef");
  capture.out.close();
  EXPECT_EQ(capture.console.text, "ERROR: FAILED IN WRITING HTML//page.html\n");
  EXPECT_EQ(capture.report.error_count(), 1);
  EXPECT_EQ(capture.output.writes, (Writes{"ab\n", "cd\n"}));
}

TEST(OutputFile, FailureOnCloseIsReportedLikeAWriteFailure) {
  testing::Capture capture;
  capture.output.fail_close = true;
  capture.out.write_line("written");
  capture.out.close();
  EXPECT_TRUE(capture.out.failed());
  EXPECT_EQ(capture.output.closes, 1);
  EXPECT_EQ(capture.console.text, "ERROR: FAILED IN WRITING HTML//page.html\n");
  EXPECT_EQ(capture.report.error_count(), 1);
}

TEST(OutputFile, KnowsItsFileByIdentity) {
  testing::MemorySink sink;
  testing::MemorySink console;
  Report report(console);
  const platform::FileIdentity file{7, 9};
  EXPECT_TRUE(OutputFile(sink, "p", report, file).is_file(file));
  EXPECT_FALSE(OutputFile(sink, "p", report, file).is_file({7, 10}));
  EXPECT_FALSE(OutputFile(sink, "p", report).is_file(file));
}

}  // namespace
}  // namespace vuq
