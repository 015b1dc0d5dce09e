#include "directives/line_loop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/capture.h"
#include "support/memory_channels.h"

namespace vuq {
namespace {

// Runs the line loop over an in-memory source.
struct LoopRun {
  std::string output;
  std::string console;
  std::int32_t warnings = 0;
  std::int32_t errors = 0;
};

LoopRun run_loop(ByteSource& source) {
  testing::Capture capture;
  convert_lines(source, "src.txt", capture.out, capture.report);
  return {capture.output.text, capture.console.text, capture.report.warning_count(),
          capture.report.error_count()};
}

LoopRun run_loop(const std::string& text) {
  testing::MemorySource source(text);
  return run_loop(source);
}

TEST(FindDirective, FirstNameInTableOrderWins) {
  struct Case {
    const char* line;
    const char* name;  // none for an ordinary line
  };
  const Case cases[] = {
      {"<p>plain</p>", nullptr},
      {"", nullptr},
      {"VUQ_Exclude(x)", "VUQ_Exclude"},
      {"  VUQ_Import(a.txt)", "VUQ_Import"},
      {"VUQ_Link_Foto_Tab(a,b,c,d,1,2)", "VUQ_Link_Foto_Tab"},
      {"VUQ_Foto_Link(a,b,c,1,2)", "VUQ_Foto_Link"},
      {"x VUQ_Foto_Linkage y", "VUQ_Foto_Link"},
      {"VUQ_Foto_Link then VUQ_Exclude", "VUQ_Exclude"},
      {"VUQ_Import VUQ_Link_Foto_Tab", "VUQ_Import"},
      {"VUQ_Link_Foto_Tab VUQ_Foto_Link VUQ_Import", "VUQ_Import"},
      {"VUQ_ VUQ_VUQ_Import", "VUQ_Import"},
      {"vuq_exclude(x)", nullptr},
      {"VUQ_EXCLUDE(x)", nullptr},
      {"VUQ_Foto", nullptr},
      {"VUQ_Foto_Lin", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Directive* found = find_directive(c.line);
    if (c.name == nullptr) {
      EXPECT_EQ(found, nullptr);
    } else {
      ASSERT_NE(found, nullptr);
      EXPECT_EQ(found->name, c.name);
    }
  }
}

TEST(ExtractArgument, TakesTextBetweenFirstOpenAndLastClose) {
  struct Case {
    const char* line;
    const char* argument;
  };
  const Case cases[] = {
      {"VUQ_Import(a.txt)", "a.txt"},
      {"VUQ_Import()", ""},
      {"VUQ_Import( a.txt )", " a.txt "},
      {"x VUQ_Exclude(y) z", "y"},
      {"VUQ_Import(a) and (b)", "a) and (b"},
      {"VUQ_Exclude(f(x);)", "f(x);"},
      {"VUQ_Import(notes.txt", "notes.txt"},
      {"VUQ_Import x)", "VUQ_Import x"},
      {") VUQ_Import(a", "a"},
      {"VUQ_Exclude", "VUQ_Exclude"},
      {"VUQ_Import(", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(extract_argument(c.line), c.argument);
  }
}

TEST(ConvertLines, CopiesOrdinaryLinesWithTheEndOfFileRule) {
  struct Case {
    const char* name;
    std::string source;
    std::string output;
  };
  const Case cases[] = {
      {"final line feed yields one more empty line", "a\nb\n", "a\nb\n\n"},
      {"no final line feed", "a\nb", "a\nb\n"},
      {"empty source yields one empty line", "", "\n"},
      {"lone line feed yields two", "\n", "\n\n"},
      {"bytes kept as they are", "\t x\r\n\x01\xff\n", "\t x\r\n\x01\xff\n\n"},
      {"NUL byte kept", std::string("a\0b", 3), std::string("a\0b\n", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopRun run = run_loop(c.source);
    EXPECT_EQ(run.output, c.output);
    EXPECT_EQ(run.console, "");
  }
}

TEST(ConvertLines, ReportsDirectiveLinesAndWarnsOnSuspiciousArguments) {
  struct Case {
    const char* line;
    const char* console;
    std::int32_t warnings;
  };
  // Photo directives whose counts read as 0 report nothing themselves, which isolates the
  // loop's own console lines.
  const Case cases[] = {
      {"VUQ_Foto_Link(a;b)", "Found Command: VUQ_Foto_Link\nWARNING: Check code\n", 1},
      {"VUQ_Foto_Link(a(b)", "Found Command: VUQ_Foto_Link\nWARNING: Check code\n", 1},
      {"VUQ_Link_Foto_Tab(a) and (b)", "Found Command: VUQ_Link_Foto_Tab\nWARNING: Check code\n",
       1},
      {"VUQ_Foto_Link(a;b;c()", "Found Command: VUQ_Foto_Link\nWARNING: Check code\n", 1},
      {"VUQ_Foto_Link(x)", "Found Command: VUQ_Foto_Link\n", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    LoopRun run = run_loop(c.line);
    EXPECT_EQ(run.console, c.console);
    EXPECT_EQ(run.warnings, c.warnings);
  }
}

TEST(ConvertLines, DirectiveLineIsNotCopied) {
  LoopRun run = run_loop("before\n  x VUQ_Foto_Link(a,b,c,0,0) y\nafter");
  EXPECT_EQ(run.output, "before\nafter\n");
}

TEST(ConvertLines, WarningsAddUpPerLine) {
  LoopRun run = run_loop("VUQ_Foto_Link(;;)\nVUQ_Foto_Link(a)\nVUQ_Foto_Link(;)\n");
  EXPECT_EQ(run.warnings, 2);
}

TEST(ConvertLines, ExcludeArgumentIsNeverChecked) {
  LoopRun run = run_loop("VUQ_Exclude(f(x);)");
  EXPECT_EQ(run.console.find("WARNING"), std::string::npos);
  EXPECT_EQ(run.warnings, 0);
}

TEST(ConvertLines, ReadFailureEndsTheLoopWithAnError) {
  testing::MemorySource source("a\nb", 2, /*fail_at_end=*/true);
  LoopRun run = run_loop(source);
  EXPECT_EQ(run.output, "a\n");  // the line of the failed read is not written
  EXPECT_EQ(run.console, "ERROR: FAILED IN READING src.txt\n");
  EXPECT_EQ(run.errors, 1);
  EXPECT_EQ(source.reads_after_failure, 1);
}

TEST(ConvertLines, WriteFailureStopsReadingTheSource) {
  testing::MemorySource source("a\nb\nc\nd\n", 2);
  testing::Capture capture(3);
  convert_lines(source, "src.txt", capture.out, capture.report);
  EXPECT_EQ(capture.console.text, "ERROR: FAILED IN WRITING HTML//page.html\n");
  EXPECT_EQ(capture.report.error_count(), 1);
  EXPECT_EQ(source.reads, 2);  // "a\n", then "b\n", whose line fails; nothing more is read
}

}  // namespace
}  // namespace vuq
