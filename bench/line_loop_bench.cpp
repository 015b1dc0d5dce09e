#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "directives/line_loop.h"
#include "null_output.h"

namespace vuq::bench {
namespace {

std::string ordinary_source(int lines) {
  std::string text;
  for (int n = 0; n < lines; ++n) {
    text += "  <p>An ordinary line of about sixty bytes, number " + std::to_string(n) + ".</p>\n";
  }
  return text;
}

void BM_CopyOrdinaryLines(benchmark::State& state) {
  const std::string text = ordinary_source(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TextSource source(text);
    NullOutput sink;
    convert_lines(source, "bench.txt", sink.out, sink.report);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_CopyOrdinaryLines)->Arg(10000)->Arg(100000);

void BM_FindDirective(benchmark::State& state) {
  const std::string lines[] = {
      "  <p>An ordinary line of about sixty bytes, with nothing in it.</p>",
      "  <p>A line that mentions VUQ_ but names no directive at all.</p>",
      "    VUQ_Foto_Link(pic$.html, img/pic$.jpg, thumb, 4, 10)",
  };
  for (auto _ : state) {
    for (const std::string& line : lines) benchmark::DoNotOptimize(find_directive(line));
  }
  state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_FindDirective);

void BM_ExcludeDirectiveLines(benchmark::State& state) {
  std::string text;
  for (int n = 0; n < state.range(0); ++n) {
    text += "VUQ_Exclude(<p class=\"note\">line " + std::to_string(n) + "</p>)\n";
  }
  for (auto _ : state) {
    TextSource source(text);
    NullOutput sink;
    convert_lines(source, "bench.txt", sink.out, sink.report);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExcludeDirectiveLines)->Arg(10000);

}  // namespace
}  // namespace vuq::bench
