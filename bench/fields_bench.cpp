#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "directives/fields.h"

namespace vuq::bench {
namespace {

const std::string kLine = "\t  VUQ_Link_Foto_Tab(big/$.html, small/$.jpg, gallery, thumb, 4, 120)";

void BM_IndentWidth(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(indent_width(kLine));
}
BENCHMARK(BM_IndentWidth);

void BM_RemoveSpacesAndCutFields(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(directive_fields(remove_spaces(kLine), 6));
}
BENCHMARK(BM_RemoveSpacesAndCutFields);

void BM_ReadNumber(benchmark::State& state) {
  const std::string fields[] = {"120)", " -42", "2147483647", "x"};
  for (auto _ : state) {
    for (const std::string& field : fields) benchmark::DoNotOptimize(read_number(field));
  }
}
BENCHMARK(BM_ReadNumber);

void BM_SubstituteNumber(benchmark::State& state) {
  std::int32_t number = 0;
  for (auto _ : state) benchmark::DoNotOptimize(substitute_number("img/photo$.jpg", ++number));
}
BENCHMARK(BM_SubstituteNumber);

}  // namespace
}  // namespace vuq::bench
