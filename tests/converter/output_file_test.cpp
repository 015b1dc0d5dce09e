#include "converter/output_file.h"

#include <gtest/gtest.h>

#include "support/capture.h"
#include "support/test_streams.h"

namespace vuq {
namespace {

TEST(OutputFile, WritesEachLineWithLineFeedAndFlushesIt) {
  testing::CountingBuf buf;
  std::ostream stream(&buf);
  std::ostringstream console;
  Report report(console);
  OutputFile out(stream, "HTML//a.html", report);
  out.write_line("first");
  out.write_line({"<a href=\"", "1.html", "\">"});
  out.write_line("");
  EXPECT_EQ(buf.str(), "first\n<a href=\"1.html\">\n\n");
  EXPECT_EQ(buf.flushes, 3);
  EXPECT_FALSE(out.failed());
  EXPECT_EQ(console.str(), "");
}

TEST(OutputFile, FirstFailedWriteIsReportedOnceAndLaterWritesAreSkipped) {
  testing::FullDiskCapture capture(4);
  capture.out.write_line("ab");
  EXPECT_FALSE(capture.out.failed());
  capture.out.write_line("cd");
  EXPECT_TRUE(capture.out.failed());
  capture.out.write_line("ef");
  capture.out.record_failure();
  EXPECT_EQ(capture.console.str(), "ERROR: FAILED IN WRITING HTML//page.html\n");
  EXPECT_EQ(capture.report.error_count(), 1);
  EXPECT_EQ(capture.disk.written, "ab\nc");
}

TEST(OutputFile, FailureOnCloseIsReportedLikeAWriteFailure) {
  std::ostringstream stream;
  std::ostringstream console;
  Report report(console);
  OutputFile out(stream, "HTML//b.html", report);
  out.record_failure();
  EXPECT_TRUE(out.failed());
  EXPECT_EQ(console.str(), "ERROR: FAILED IN WRITING HTML//b.html\n");
}

}  // namespace
}  // namespace vuq
