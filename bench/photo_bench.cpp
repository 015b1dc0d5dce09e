#include <benchmark/benchmark.h>

#include <string>

#include "directives/line_loop.h"
#include "null_output.h"
#include "photo/photo_list.h"
#include "photo/photo_table.h"

namespace vuq::bench {
namespace {

void BM_PhotoList(benchmark::State& state) {
  const std::string line =
      "    VUQ_Foto_Link(photo$.html, img/$.jpg, thumb, 7, " + std::to_string(state.range(0)) + ")";
  for (auto _ : state) {
    NullOutput sink;
    expand_photo_list(extract_argument(line), line, sink.out, sink.report);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PhotoList)->Arg(1000)->Arg(100000);

void BM_PhotoTable(benchmark::State& state) {
  const std::string line = "    VUQ_Link_Foto_Tab(photo$.html, img/$.jpg, gallery, thumb, 7, " +
                           std::to_string(state.range(0)) + ")";
  for (auto _ : state) {
    NullOutput sink;
    expand_photo_table(extract_argument(line), line, sink.out, sink.report);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PhotoTable)->Arg(1000)->Arg(100000);

}  // namespace
}  // namespace vuq::bench
