#include "directives/verbatim.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "io/file.h"
#include "support/capture.h"
#include "support/temp_dir.h"

namespace vuq {
namespace {

using testing::Capture;

TEST(ExpandExclude, WritesTheArgumentAsOneLine) {
  Capture run;
  expand_exclude("<p class=\"x\" onclick=\"f(1);\">", run.out, run.report);
  EXPECT_EQ(run.output.text, "<p class=\"x\" onclick=\"f(1);\">\n");
  EXPECT_EQ(run.console.text, "VUQ_Exclude: <p class=\"x\" onclick=\"f(1);\">\n");
}

TEST(ExpandExclude, SingleBlankIsNotEmpty) {
  Capture run;
  expand_exclude(" ", run.out, run.report);
  EXPECT_EQ(run.output.text, " \n");
  EXPECT_EQ(run.console.text, "VUQ_Exclude:  \n");
}

TEST(ExpandExclude, EmptyArgumentIsReportedButNotCounted) {
  Capture run;
  expand_exclude("", run.out, run.report);
  EXPECT_EQ(run.output.text, "");
  EXPECT_EQ(run.console.text, "VUQ_Exclude is empty\n");
  EXPECT_EQ(run.report.error_count(), 0);
}

TEST(ExpandExclude, FailedWriteIsNotReportedAsWritten) {
  testing::Capture capture(0);
  expand_exclude("<hr>", capture.out, capture.report);
  EXPECT_EQ(capture.console.text, "ERROR: FAILED IN WRITING HTML//page.html\n");
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
    EXPECT_EQ(fresh.output.text, c.output);
    EXPECT_EQ(fresh.console.text, "VUQ_Import: part.inc Imported \n");
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
    EXPECT_EQ(fresh.output.text, "");
    EXPECT_EQ(fresh.console.text, "ERROR: File " + name + " not found\n");
    EXPECT_EQ(fresh.report.error_count(), 1);
  }
}

TEST_F(ExpandImport, EmptyArgumentIsAnError) {
  expand_import("", run.out, run.report);
  EXPECT_EQ(run.console.text, "ERROR: Filename parameter required in VUQ_Import\n");
  EXPECT_EQ(run.report.error_count(), 1);
  EXPECT_EQ(run.output.text, "");
}

TEST_F(ExpandImport, RefusesTheOutputFileItselfHoweverSpelled) {
  std::filesystem::create_directory("HTML");
  std::optional<File> file = File::open_for_writing("HTML//page.html");
  ASSERT_TRUE(file);
  OutputFile out(*file, "HTML//page.html", run.report, file->info().identity);
  out.write_line("already written");
  std::vector<std::string> names = {"HTML//page.html", "./HTML/page.html"};
#ifndef _WIN32
  std::filesystem::create_symlink("HTML/page.html", "link.html");
  names.emplace_back("link.html");
#endif
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    run.console.text.clear();
    expand_import(name, out, run.report);
    EXPECT_EQ(run.console.text, "ERROR: File " + name + " is the output file\n");
  }
  EXPECT_EQ(run.report.error_count(), static_cast<std::int32_t>(names.size()));
  out.close();
  EXPECT_EQ(testing::read_file("HTML/page.html"), testing::text_file("already written\n"));
}

TEST_F(ExpandImport, RefusesTheConsoleFile) {
  testing::write_file("log.txt", "Found Command: VUQ_Exclude\n");
  const FileIdentity log = File::open_for_reading("log.txt")->info().identity;
  Report report(run.console, log);
  OutputFile out(run.output, "HTML//page.html", report);
  expand_import("log.txt", out, report);
  EXPECT_EQ(run.console.text, "ERROR: File log.txt is the console output\n");
  EXPECT_EQ(report.error_count(), 1);
  EXPECT_EQ(run.output.text, "");
}

#ifdef __linux__
TEST_F(ExpandImport, ReadFailureStopsTheCopyWithAnError) {
  expand_import("/proc/self/mem", run.out, run.report);
  EXPECT_EQ(run.output.text, "");
  EXPECT_EQ(run.console.text, "ERROR: FAILED IN READING /proc/self/mem\n");
  EXPECT_EQ(run.report.error_count(), 1);
}
#endif

}  // namespace
}  // namespace vuq
