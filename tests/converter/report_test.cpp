#include "converter/report.h"

#include <gtest/gtest.h>

#include "support/test_streams.h"

namespace vuq {
namespace {

TEST(Report, LineEndsWithLineFeedAndFlush) {
  testing::CountingBuf buf;
  std::ostream console(&buf);
  Report report(console);
  report.line("Converting File a.txt");
  EXPECT_EQ(buf.str(), "Converting File a.txt\n");
  EXPECT_EQ(buf.flushes, 1);
}

TEST(Report, MessageCarriesItsOwnLineFeedAndIsNotFlushed) {
  testing::CountingBuf buf;
  std::ostream console(&buf);
  Report report(console);
  report.error_message("ERROR: a NOT FOUND\n");
  EXPECT_EQ(buf.str(), "ERROR: a NOT FOUND\n");
  EXPECT_EQ(buf.flushes, 0);
  EXPECT_EQ(report.error_count(), 1);
}

TEST(Report, CountsWarningsAndErrorsApart) {
  std::ostringstream console;
  Report report(console);
  report.warning_line("WARNING: Check code");
  report.warning_line("WARNING: Check code");
  report.error_line("ERROR: x");
  report.line("plain");
  report.message("plain\n");
  EXPECT_EQ(report.warning_count(), 2);
  EXPECT_EQ(report.error_count(), 1);
}

}  // namespace
}  // namespace vuq
