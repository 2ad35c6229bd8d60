// Generation speed against the speed of merely writing the same bytes into
// fresh memory, for 1 MiB and 64 MiB of mixed text (two-byte characters,
// ASCII, line breaks).
//
//   generator_bench                      the Google Benchmark runs
//   generator_bench --peak-memory MIB    one generation; peak memory against its bound
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "generator/gradient.h"
#include "generator/display_chars.h"
#include "generator/forum_code.h"

namespace {

std::string mixedText(std::size_t bytes) {
  // Lines of 40 characters: Chinese, ASCII words and spaces, then CR LF.
  const std::string line =
      "\xB1\xBE\xB9\xA4\xBE\xDF is a tool \xCE\xAA\xC1\xCB\xB7\xBD\xB1\xE3 [b]colour[/b] "
      "\xC2\xDB\xCC\xB3 x\r\n";
  std::string text;
  text.reserve(bytes + line.size());
  while (text.size() < bytes) text += line;
  text.resize(bytes);
  return text;
}

const std::string& textOf(std::size_t mib) {
  static std::string small = mixedText(std::size_t{1} << 20);
  static std::string large = mixedText(std::size_t{64} << 20);
  return mib == 1 ? small : large;
}

void BM_GenerateGradient(benchmark::State& state) {
  const std::string& text = textOf(static_cast<std::size_t>(state.range(0)));
  std::size_t pieces = 0, codeBytes = 0;
  for (auto _ : state) {
    const tessaly::GradientResult result =
        tessaly::generateGradient(text, tessaly::rgb(255, 0, 0), tessaly::rgb(0, 0, 255));
    benchmark::DoNotOptimize(result.code.c_str());
    pieces = result.pieces.size();
    codeBytes = result.code.size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * codeBytes));
  state.counters["pieces/s"] =
      benchmark::Counter(static_cast<double>(pieces) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["code_MiB"] = static_cast<double>(codeBytes) / (1 << 20);
}

// The limit on this machine: the bytes a generation writes (the code and
// 8 bytes a piece), written into freshly allocated memory.
void BM_WriteSameBytes(benchmark::State& state) {
  const std::string& text = textOf(static_cast<std::size_t>(state.range(0)));
  const std::size_t pieces = tessaly::countDisplayChars(text);
  const std::size_t codeBytes = tessaly::kTagBytes * pieces + text.size();
  const std::size_t bytes = state.range(1) ? codeBytes : codeBytes + 8 * pieces;
  for (auto _ : state) {
    auto memory = std::make_unique_for_overwrite<char[]>(bytes);
    std::memset(memory.get(), 'x', bytes);
    benchmark::DoNotOptimize(memory.get());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * codeBytes));
  state.SetLabel(state.range(1) ? "code bytes only" : "code + pieces");
}

BENCHMARK(BM_GenerateGradient)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteSameBytes)
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({64, 0})
    ->Args({64, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int peakMemory(std::size_t mib) {
  const std::string text = mixedText(mib << 20);
  const auto result =
      tessaly::generateGradient(text, tessaly::rgb(255, 0, 0), tessaly::rgb(0, 0, 255));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double peak = static_cast<double>(usage.ru_maxrss) / 1024;  // KiB to MiB
  const double bound =
      static_cast<double>(result.code.size() + 8 * result.pieces.size() + text.size()) / (1 << 20);
  std::printf("input %zu MiB, %zu pieces, code %.1f MiB\n", mib, result.pieces.size(),
              static_cast<double>(result.code.size()) / (1 << 20));
  std::printf("peak resident memory %.1f MiB; code + 8 bytes a piece + input = %.1f MiB\n", peak,
              bound);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0)
    return peakMemory(static_cast<std::size_t>(std::stoul(argv[2])));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
