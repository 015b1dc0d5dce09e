#include "io/line_reader.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "support/memory_channels.h"

namespace vuq {
namespace {

using Lines = std::vector<std::string>;

struct ReadRun {
  Lines lines;
  ReadOutcome outcome;
  std::string console;
};

ReadRun read_all(ByteSource& source) {
  testing::MemorySink console;
  Report report(console);
  ReadRun run;
  run.outcome = read_lines(source, "src.txt", report, [&](std::string_view line) {
    run.lines.emplace_back(line);
    return true;
  });
  run.console = console.text;
  return run;
}

TEST(ReadLines, FollowsTheEndOfFileRuleWhateverTheBlockSize) {
  struct Case {
    const char* name;
    std::string text;
    Lines lines;
  };
  const Case cases[] = {
      {"final line feed yields one more empty line", "a\nb\n", {"a", "b", ""}},
      {"no final line feed", "a\nb", {"a", "b"}},
      {"empty source yields one empty line", "", {""}},
      {"lone line feed yields two", "\n", {"", ""}},
      {"carriage returns and NUL bytes are kept",
       std::string("x\r\n\0y", 5),
       {"x\r", std::string("\0y", 2)}},
  };
  for (const Case& c : cases) {
    for (std::size_t block : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
      SCOPED_TRACE(std::string(c.name) + ", block " + std::to_string(block));
      testing::MemorySource source(c.text, block);
      ReadRun run = read_all(source);
      EXPECT_EQ(run.lines, c.lines);
      EXPECT_EQ(run.outcome, ReadOutcome::ended);
      EXPECT_EQ(run.console, "");
    }
  }
}

TEST(ReadLines, LinesLongerThanTheBufferArriveWhole) {
  const std::string long_line(3 * 128 * 1024 + 5, 'x');
  const std::string text = "a\n" + long_line + "\n" + long_line + "b";
  testing::MemorySource source(text, 100000);
  ReadRun run = read_all(source);
  EXPECT_EQ(run.lines, (Lines{"a", long_line, long_line + "b"}));
}

TEST(ReadLines, AskForLargeBlocks) {
  // A source that gives everything it is asked for shows the size of each request.
  struct Recorder : ByteSource {
    std::vector<std::size_t> requests;
    std::ptrdiff_t read(char*, std::size_t size) override {
      requests.push_back(size);
      return 0;
    }
  } source;
  read_all(source);
  ASSERT_EQ(source.requests.size(), 1u);
  EXPECT_GE(source.requests[0], std::size_t{64} * 1024);
}

TEST(ReadLines, ReadFailureEndsWithAnErrorAndWithoutThePartialLine) {
  testing::MemorySource source("a\nb", 2, /*fail_at_end=*/true);
  ReadRun run = read_all(source);
  EXPECT_EQ(run.lines, (Lines{"a"}));
  EXPECT_EQ(run.outcome, ReadOutcome::failed);
  EXPECT_EQ(run.console, "ERROR: FAILED IN READING src.txt\n");
  EXPECT_EQ(source.reads_after_failure, 1);
}

TEST(ReadLines, StopsWhenAskedAndReadsNoFurther) {
  testing::MemorySource source("a\nb\nc\n", 2);
  int seen = 0;
  testing::MemorySink console;
  Report report(console);
  ReadOutcome outcome =
      read_lines(source, "src.txt", report, [&](std::string_view) { return ++seen < 2; });
  EXPECT_EQ(outcome, ReadOutcome::stopped);
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(source.reads, 2);
}

}  // namespace
}  // namespace vuq
