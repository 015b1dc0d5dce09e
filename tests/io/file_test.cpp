// The layer's own tests: these, and only these, touch real files and descriptors.
#include "io/file.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_dir.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <thread>
#endif

namespace vuq {
namespace {

class FileTest : public ::testing::Test {
 protected:
  testing::TempWorkingDir dir;
};

TEST_F(FileTest, OpensForReadingOnlyFilesThatExistAndAreNoDirectory) {
  std::filesystem::create_directory("folder");
  testing::write_file("page.txt", "x");
  EXPECT_TRUE(File::open_for_reading("page.txt"));
  EXPECT_FALSE(File::open_for_reading("folder"));
  EXPECT_FALSE(File::open_for_reading("missing.txt"));
  EXPECT_FALSE(File::open_for_reading(""));
}

TEST_F(FileTest, OpeningForWritingCreatesButTruncatesOnlyWhenAsked) {
  testing::write_file("old.html", "old content");
  {
    std::optional<File> file = File::open_for_writing("old.html");
    ASSERT_TRUE(file);
    EXPECT_EQ(testing::read_file("old.html"), "old content");
    EXPECT_TRUE(file->truncate());
    EXPECT_TRUE(file->write("new\n"));
    EXPECT_TRUE(file->close());
  }
  EXPECT_EQ(testing::read_file("old.html"), testing::text_file("new\n"));
  EXPECT_TRUE(File::open_for_writing("fresh.html"));
  EXPECT_TRUE(std::filesystem::exists("fresh.html"));
  EXPECT_FALSE(File::open_for_writing("no/such/folder/x.html"));
}

TEST_F(FileTest, ReadsBackWhatWasWrittenAsText) {
  {
    std::optional<File> file = File::open_for_writing("lines.txt");
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->write("one\n"));
    ASSERT_TRUE(file->write("two\n"));
  }
  std::optional<File> file = File::open_for_reading("lines.txt");
  ASSERT_TRUE(file);
  char buffer[64];
  const std::ptrdiff_t count = file->read(buffer, sizeof buffer);
  EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(count)), "one\ntwo\n");
  EXPECT_EQ(file->read(buffer, sizeof buffer), 0);
}

TEST_F(FileTest, IdentityIsTheFileHoweverItIsNamed) {
  std::filesystem::create_directory("HTML");
  testing::write_file("HTML/page.html", "x");
  testing::write_file("other.html", "x");
  const FileIdentity page = File::open_for_reading("HTML/page.html")->info().identity;
  for (const char* name : {"HTML//page.html", "./HTML/page.html", "HTML/../HTML/page.html"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(File::open_for_reading(name)->info().identity, page);
  }
  EXPECT_NE(File::open_for_reading("other.html")->info().identity, page);
  EXPECT_TRUE(File::open_for_reading("other.html")->info().is_regular);
#ifndef _WIN32
  std::filesystem::create_symlink("HTML/page.html", "link.html");
  EXPECT_EQ(File::open_for_reading("link.html")->info().identity, page);
#endif
}

TEST(FileIdentity, AnUnknownVolumeMatchesAnyButTheIndexMustAgree) {
  const FileIdentity known{7, 42};
  EXPECT_EQ(known, (FileIdentity{7, 42}));
  EXPECT_NE(known, (FileIdentity{8, 42}));
  EXPECT_NE(known, (FileIdentity{7, 43}));
  EXPECT_EQ(known, (FileIdentity{0, 42, /*volume_known=*/false}));
  EXPECT_NE(known, (FileIdentity{0, 43, /*volume_known=*/false}));
}

#ifndef _WIN32
TEST_F(FileTest, DevicesAreNotRegularAndNeedNoEmptying) {
  std::optional<File> null_device = File::open_for_writing("/dev/null");
  ASSERT_TRUE(null_device);
  EXPECT_FALSE(null_device->info().is_regular);
  EXPECT_TRUE(null_device->truncate());
}

TEST_F(FileTest, WriteFailsOnAFullDevice) {
  std::optional<File> full = File::open_for_writing("/dev/full");
  ASSERT_TRUE(full);
  EXPECT_FALSE(full->write("x\n"));
}

TEST(WriteAll, WaitsForANonBlockingPipeInsteadOfDroppingBytes) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ASSERT_EQ(::fcntl(ends[1], F_SETFL, O_NONBLOCK), 0);
  const std::string block(1 << 20, 'x');  // far more than a pipe holds
  std::string received;
  std::thread reader([&] {
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(ends[0], buffer, sizeof buffer)) > 0) {
      received.append(buffer, static_cast<std::size_t>(count));
    }
  });
  EXPECT_TRUE(platform::write_all(ends[1], block));
  ::close(ends[1]);
  reader.join();
  ::close(ends[0]);
  EXPECT_EQ(received, block);
}
#endif

}  // namespace
}  // namespace vuq
