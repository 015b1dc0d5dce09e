#include "io/report.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "support/memory_channels.h"

namespace vuq {
namespace {

using Writes = std::vector<std::string>;

TEST(Report, EveryLineAndMessageGoesOutInOneWrite) {
  testing::MemorySink console;
  Report report(console);
  report.line("Converting File a.txt");
  report.error_message("ERROR: a NOT FOUND\n");
  report.line({"Found Command: ", "VUQ_Import"});
  report.line("");
  EXPECT_EQ(console.writes, (Writes{"Converting File a.txt\n", "ERROR: a NOT FOUND\n",
                                    "Found Command: VUQ_Import\n", "\n"}));
}

TEST(Report, CountsWarningsAndErrorsApart) {
  testing::MemorySink console;
  Report report(console);
  report.warning_line("WARNING: Check code");
  report.warning_line("WARNING: Check code");
  report.error_line("ERROR: x");
  report.error_message("ERROR: y\n");
  report.line("plain");
  report.message("plain\n");
  EXPECT_EQ(report.warning_count(), 2);
  EXPECT_EQ(report.error_count(), 2);
}

TEST(Report, ConsoleThatFailsIsLeftAloneAndTheCountsGoOn) {
  testing::MemorySink console(10);
  Report report(console);
  report.line("first");                      // fits
  report.error_line("ERROR: does not fit");  // fails: the console is gone
  report.error_message("ERROR: later\n");
  report.line("later");
  EXPECT_EQ(console.writes, (Writes{"first\n", "ERROR: does not fit\n"}));
  EXPECT_EQ(report.error_count(), 2);
}

TEST(Report, KnowsTheConsoleFileByItsIdentity) {
  testing::MemorySink console;
  const platform::FileIdentity file{3, 42};
  EXPECT_TRUE(Report(console, file).is_console_file(file));
  EXPECT_FALSE(Report(console, file).is_console_file({3, 43}));
  EXPECT_FALSE(Report(console).is_console_file(file));
}

}  // namespace
}  // namespace vuq
