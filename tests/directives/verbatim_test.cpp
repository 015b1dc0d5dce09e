#include "directives/verbatim.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/capture.h"
#include "support/temp_dir.h"

namespace vuq {
namespace {

using testing::Capture;

TEST(ExpandExclude, WritesTheArgumentAsOneLine) {
  Capture run;
  expand_exclude("<p class=\"x\" onclick=\"f(1);\">", run.out, run.report);
  EXPECT_EQ(run.output.str(), "<p class=\"x\" onclick=\"f(1);\">\n");
  EXPECT_EQ(run.console.str(), "VUQ_Exclude: <p class=\"x\" onclick=\"f(1);\">\n");
}

TEST(ExpandExclude, SingleBlankIsNotEmpty) {
  Capture run;
  expand_exclude(" ", run.out, run.report);
  EXPECT_EQ(run.output.str(), " \n");
  EXPECT_EQ(run.console.str(), "VUQ_Exclude:  \n");
}

TEST(ExpandExclude, EmptyArgumentIsReportedButNotCounted) {
  Capture run;
  expand_exclude("", run.out, run.report);
  EXPECT_EQ(run.output.str(), "");
  EXPECT_EQ(run.console.str(), "VUQ_Exclude is empty\n");
  EXPECT_EQ(run.report.error_count(), 0);
}

TEST(ExpandExclude, FailedWriteIsNotReportedAsWritten) {
  testing::FullDiskCapture capture(0);
  expand_exclude("<hr>", capture.out, capture.report);
  EXPECT_EQ(capture.console.str(), "ERROR: FAILED IN WRITING HTML//page.html\n");
  EXPECT_EQ(capture.report.error_count(), 1);
}

class ExpandImport : public ::testing::Test {
 protected:
  testing::TempWorkingDir dir;
  Capture run;
};

TEST_F(ExpandImport, CopiesLinesWithTheEndOfFileRule) {
  struct Case {
    const char* name;
    std::string content;
    std::string output;
  };
  const Case cases[] = {
      {"final line feed", "a\nb\n", "a\nb\n\n"},
      {"no final line feed", "a\nb", "a\nb\n"},
      {"empty file", "", "\n"},
      {"directive lines are copied, not expanded", "VUQ_Exclude(x)\n  VUQ_Foto_Link(a,b,c,1,1)",
       "VUQ_Exclude(x)\n  VUQ_Foto_Link(a,b,c,1,1)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Capture fresh;
    testing::write_file("part.inc", c.content);
    expand_import("part.inc", fresh.out, fresh.report);
    EXPECT_EQ(fresh.output.str(), c.output);
    EXPECT_EQ(fresh.console.str(), "VUQ_Import: part.inc Imported \n");
    EXPECT_EQ(fresh.report.error_count(), 0);
  }
}

TEST_F(ExpandImport, NamesThatOpenNoFileAreNotFound) {
  std::filesystem::create_directory("folder");
  testing::write_file("a", "must not be opened\n");
  const std::string names[] = {"missing.inc", "folder", " a", std::string("a\0b", 3)};
  for (const std::string& name : names) {
    SCOPED_TRACE(::testing::PrintToString(name));
    Capture fresh;
    expand_import(name, fresh.out, fresh.report);
    EXPECT_EQ(fresh.output.str(), "");
    EXPECT_EQ(fresh.console.str(), "ERROR: File " + name + " not found\n");
    EXPECT_EQ(fresh.report.error_count(), 1);
  }
}

TEST_F(ExpandImport, EmptyArgumentIsAnError) {
  expand_import("", run.out, run.report);
  EXPECT_EQ(run.console.str(), "ERROR: Filename parameter required in VUQ_Import\n");
  EXPECT_EQ(run.report.error_count(), 1);
  EXPECT_EQ(run.output.str(), "");
}

TEST_F(ExpandImport, RefusesTheOutputFileItselfHoweverSpelled) {
  std::filesystem::create_directory("HTML");
  std::ofstream file("HTML//page.html");
  Report report(run.console);
  OutputFile out(file, "HTML//page.html", report);
  out.write_line("already written");
  std::filesystem::create_symlink("HTML/page.html", "link.html");
  for (const char* name : {"HTML//page.html", "./HTML/page.html", "link.html"}) {
    SCOPED_TRACE(name);
    run.console.str("");
    expand_import(name, out, report);
    EXPECT_EQ(run.console.str(), std::string("ERROR: File ") + name + " is the output file\n");
  }
  EXPECT_EQ(report.error_count(), 3);
  file.close();
  EXPECT_EQ(testing::read_file("HTML/page.html"), "already written\n");
}

#ifdef __linux__
TEST_F(ExpandImport, ReadFailureStopsTheCopyWithAnError) {
  expand_import("/proc/self/mem", run.out, run.report);
  EXPECT_EQ(run.output.str(), "");
  EXPECT_EQ(run.console.str(), "ERROR: FAILED IN READING /proc/self/mem\n");
  EXPECT_EQ(run.report.error_count(), 1);
}
#endif

}  // namespace
}  // namespace vuq
