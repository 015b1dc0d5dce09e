#include "directives/line_loop.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/capture.h"
#include "support/test_streams.h"

namespace vuq {
namespace {

// Runs the line loop over an in-memory source.
struct LoopRun {
  std::string output;
  std::string console;
  std::int32_t warnings = 0;
  std::int32_t errors = 0;
};

LoopRun run_loop(std::istream& source) {
  std::ostringstream output_stream;
  std::ostringstream console;
  Report report(console);
  OutputFile out(output_stream, "HTML//src.html", report);
  convert_lines(source, "src.txt", out, report);
  return {output_stream.str(), console.str(), report.warning_count(), report.error_count()};
}

LoopRun run_loop(const std::string& text) {
  std::istringstream source(text);
  return run_loop(source);
}

TEST(FindDirective, FirstNameInIndexOrderWins) {
  struct Case {
    const char* line;
    std::optional<std::size_t> index;
  };
  const Case cases[] = {
      {"<p>plain</p>", std::nullopt},
      {"", std::nullopt},
      {"VUQ_Exclude(x)", 0},
      {"  VUQ_Import(a.txt)", 1},
      {"VUQ_Link_Foto_Tab(a,b,c,d,1,2)", 2},
      {"VUQ_Foto_Link(a,b,c,1,2)", 3},
      {"x VUQ_Foto_Linkage y", 3},
      {"VUQ_Foto_Link then VUQ_Exclude", 0},
      {"VUQ_Import VUQ_Link_Foto_Tab", 1},
      {"vuq_exclude(x)", std::nullopt},
      {"VUQ_EXCLUDE(x)", std::nullopt},
      {"VUQ_Foto", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(find_directive(c.line), c.index);
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
  testing::FailingReadBuf buf("a\nb");
  std::istream source(&buf);
  LoopRun run = run_loop(source);
  EXPECT_EQ(run.output, "a\n");  // the line of the failed read is not written
  EXPECT_EQ(run.console, "ERROR: FAILED IN READING src.txt\n");
  EXPECT_EQ(run.errors, 1);
  EXPECT_EQ(buf.reads_after_failure, 1);
}

TEST(ConvertLines, WriteFailureStopsReadingTheSource) {
  std::istringstream source("a\nb\nc\nd\n");
  testing::FullDiskCapture capture(3);
  convert_lines(source, "src.txt", capture.out, capture.report);
  EXPECT_EQ(capture.console.str(), "ERROR: FAILED IN WRITING HTML//page.html\n");
  EXPECT_EQ(capture.report.error_count(), 1);
  std::string next;
  std::getline(source, next);
  EXPECT_EQ(next, "c");
}

}  // namespace
}  // namespace vuq
