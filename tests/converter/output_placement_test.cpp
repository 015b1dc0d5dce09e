#include "converter/output_placement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

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

TEST(OutputPlacement, DirectoryCommandNamesTheOutputDirectory) {
  EXPECT_EQ(directory_command(), "mkdir HTML");
}

TEST(OutputPlacement, OpensDirectlyWhenTheDirectoryExists) {
  testing::TempWorkingDir dir;
  std::filesystem::create_directory("HTML");
  testing::write_file("HTML/a.html", "old content");
  std::ostringstream console;
  Report report(console);
  auto output = open_output_file("a.txt", report);
  ASSERT_TRUE(output);
  EXPECT_EQ(output->path, "HTML//a.html");
  output->stream << "new\n";
  output->stream.close();
  EXPECT_EQ(testing::read_file("HTML/a.html"), "new\n");
  EXPECT_EQ(console.str(), "");
}

TEST(OutputPlacement, CreatesTheMissingDirectoryAndRetries) {
  testing::TempWorkingDir dir;
  std::ostringstream console;
  Report report(console);
  auto output = open_output_file("a.txt", report);
  ASSERT_TRUE(output);
  EXPECT_TRUE(output->stream.good());
  EXPECT_TRUE(std::filesystem::is_directory("HTML"));
  EXPECT_EQ(console.str(), "Creating OUT directory ...\n");
  EXPECT_EQ(report.error_count(), 0);
}

TEST(OutputPlacement, MissingSubDirectoryIsReportedAfterOneRetry) {
  testing::TempWorkingDir dir;
  std::ostringstream console;
  Report report(console);
  EXPECT_FALSE(open_output_file("docs/page.txt", report));
  EXPECT_EQ(console.str(),
            "Creating OUT directory ...\n"
            "ERROR: OUT DIRECTORY NOT FOUND. FAILED IN WRITING HTML//docs/page.html\n");
  EXPECT_EQ(report.error_count(), 1);
  EXPECT_FALSE(std::filesystem::exists("HTML/docs"));
}

TEST(OutputPlacement, RefusesAnOutputPathThatIsTheSourceItself) {
  testing::TempWorkingDir dir;
  std::filesystem::create_directory_symlink(".", "HTML");
  testing::write_file("a.html", "precious\n");
  std::ostringstream console;
  Report report(console);
  EXPECT_FALSE(open_output_file("a.html", report));
  EXPECT_EQ(console.str(), "ERROR: OUTPUT FILE HTML//a.html IS THE SOURCE FILE\n");
  EXPECT_EQ(report.error_count(), 1);
  EXPECT_EQ(testing::read_file("a.html"), "precious\n");
}

}  // namespace
}  // namespace vuq
