#include "converter/output_placement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/memory_channels.h"
#include "support/temp_dir.h"

namespace vuq {
namespace {

TEST(OutputPlacement, OutputPathReplacesTheLastExtensionOfTheWholePath) {
  struct Case {
    const char* source;
    const char* output;
  };
  const Case cases[] = {
      {"page.txt", "HTML//page.html"},
      {"docs/page.txt", "HTML//docs/page.html"},
      {"docs\\page.txt", "HTML//docs\\page.html"},
      {"a.b.c", "HTML//a.b.html"},
      {"docs.old/readme", "HTML//docs.html"},
      {"page.", "HTML//page.html"},
      {".txt", "HTML//.html"},
      {"README", "HTML//README.html"},
      {"/abs/p.txt", "HTML///abs/p.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    EXPECT_EQ(output_path_for(c.source), c.output);
  }
}

TEST(OutputPlacement, ClimbsOutOnlyAboveTheOutputDirectory) {
  struct Case {
    const char* path;
    const char* separators;
    bool climbs;
  };
  const Case cases[] = {
      {"page.html", "/", false},      {"docs/page.html", "/", false},
      {"a/../b.html", "/", false},    {"a/./../b.html", "/", false},
      {"a//..//b.html", "/", false},  {"/abs/p.html", "/", false},
      {"../page.html", "/", true},    {"a/../../page.html", "/", true},
      {"./../page.html", "/", true},  {"..", "/", true},
      {"..html", "/", false},         {"...", "/", false},
      {"..\\page.html", "/", false},  // a name of its own where "\\" does not separate
      {"..\\page.html", "/\\", true}, {"a\\..\\..\\page.html", "/\\", true},
      {"a\\../b.html", "/\\", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.path) + " with " + c.separators);
    EXPECT_EQ(climbs_out(c.path, c.separators), c.climbs);
  }
}

class OpenOutputFile : public ::testing::Test {
 protected:
  // Opens the output of a source that exists, as the run driver does.
  std::optional<OpenedOutput> open(const std::string& source_path) {
    std::optional<File> source = File::open_for_reading(source_path);
    EXPECT_TRUE(source);
    return open_output_file(source_path, source->info().identity, report);
  }

  testing::TempWorkingDir dir;
  testing::MemorySink console;
  Report report{console};
};

TEST_F(OpenOutputFile, OpensDirectlyAndEmptiesAnOldOutput) {
  std::filesystem::create_directory("HTML");
  testing::write_file("a.txt", "");
  testing::write_file("HTML/a.html", "old content");
  std::optional<OpenedOutput> output = open("a.txt");
  ASSERT_TRUE(output);
  EXPECT_EQ(output->path, "HTML//a.html");
  EXPECT_TRUE(output->file.write("new\n"));
  EXPECT_TRUE(output->file.close());
  EXPECT_EQ(testing::read_file("HTML/a.html"), testing::text_file("new\n"));
  EXPECT_EQ(console.text, "");
}

TEST_F(OpenOutputFile, CreatesTheMissingDirectoryAndRetries) {
  testing::write_file("a.txt", "");
  std::optional<OpenedOutput> output = open("a.txt");
  ASSERT_TRUE(output);
  EXPECT_TRUE(std::filesystem::is_directory("HTML"));
  EXPECT_TRUE(std::filesystem::is_regular_file("HTML/a.html"));
  EXPECT_EQ(console.text, "Creating OUT directory ...\n");
  EXPECT_EQ(report.error_count(), 0);
}

TEST_F(OpenOutputFile, MissingSubDirectoryIsReportedAfterOneRetry) {
  std::filesystem::create_directory("docs");
  testing::write_file("docs/page.txt", "");
  EXPECT_FALSE(open("docs/page.txt"));
  EXPECT_EQ(console.text,
            "Creating OUT directory ...\n"
            "ERROR: OUT DIRECTORY NOT FOUND. FAILED IN WRITING HTML//docs/page.html\n");
  EXPECT_EQ(report.error_count(), 1);
  EXPECT_FALSE(std::filesystem::exists("HTML/docs"));
}

TEST_F(OpenOutputFile, RefusesAnOutputOutsideTheOutputDirectoryBeforeOpeningAnything) {
  EXPECT_FALSE(open_output_file("../page.txt", FileIdentity{}, report));
  EXPECT_EQ(console.text,
            "ERROR: OUTPUT FILE HTML//../page.html IS OUTSIDE THE OUTPUT DIRECTORY\n");
  EXPECT_EQ(report.error_count(), 1);
  EXPECT_FALSE(std::filesystem::exists("HTML"));
}

#ifndef _WIN32
TEST_F(OpenOutputFile, RefusesAnOutputThatIsTheSourceItselfBeforeEmptyingIt) {
  std::filesystem::create_directory_symlink(".", "HTML");
  testing::write_file("a.html", "precious\n");
  EXPECT_FALSE(open("a.html"));
  EXPECT_EQ(console.text, "ERROR: OUTPUT FILE HTML//a.html IS THE SOURCE FILE\n");
  EXPECT_EQ(report.error_count(), 1);
  EXPECT_EQ(testing::read_file("a.html"), "precious\n");
}
#endif

}  // namespace
}  // namespace vuq
